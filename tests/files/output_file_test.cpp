#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "files/output_error.h"
#include "files/output_file.h"
#include "files/output_group.h"
#include "files/temporary_files.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::TempDir;

TEST(OutputFile, LeavesNothingAndKeepsTheTargetWhenNotCommitted) {
  TempDir dir;
  const std::string target = dir.write("out.srt", "earlier");
  {
    OutputFile out(target);
    out.writeLine(std::string(3 << 20, 'x'));  // past the buffer: bytes are on disk
  }
  EXPECT_EQ(dir.read("out.srt"), "earlier");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"out.srt"});
}

TEST(OutputFile, FailsWhereNoFileCanBeCreated) {
  TempDir dir;
  dir.write("plain", "a file, not a folder");
  try {
    OutputFile out(dir.file("plain/out.sub"));
    FAIL() << "created a file inside a file";
  } catch (const OutputError& error) {
    EXPECT_EQ(error.errorNumber(), ENOTDIR);
  }
  EXPECT_EQ(dir.names(), std::vector<std::string>{"plain"});
}

// A new file gets 0666 less the umask, as any new file; a replaced one keeps its mode.
TEST(OutputFile, ModeFollowsTheUmaskOrTheReplacedFile) {
  struct Case {
    const char* name;
    mode_t umask;
    int replacedMode;  // -1: nothing to replace
    mode_t mode;
  };
  for (const Case& c :
       {Case{"new, umask 027", 027, -1, 0640}, Case{"replaces a private file", 022, 0600, 0600},
        Case{"replaces a shared file", 077, 0664, 0664}}) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string target = dir.file("out.srt");
    if (c.replacedMode >= 0) {
      dir.write("out.srt", "earlier");
      ::chmod(target.c_str(), static_cast<mode_t>(c.replacedMode));
    }
    struct RestoredUmask {
      mode_t saved;
      ~RestoredUmask() { ::umask(saved); }
    } restored{::umask(c.umask)};
    OutputFile(target).commit();
    struct stat written {};
    ASSERT_EQ(::stat(target.c_str(), &written), 0);
    EXPECT_EQ(written.st_mode & 0777, c.mode);
  }
}

// More files than the group keeps open, so the later ones wait under hidden names.
void BeginTwelve(OutputGroup& group, const TempDir& dir) {
  for (int i = 0; i < 12; ++i) {
    group.begin(dir.file(std::to_string(i) + ".sub")).writeLine(std::to_string(i));
  }
}

TEST(OutputGroup, EveryFileAppearsAtCommitAndNoneBefore) {
  TempDir dir;
  dir.write("0.sub", "earlier");
  OutputGroup group;
  BeginTwelve(group, dir);
  EXPECT_EQ(dir.read("0.sub"), "earlier");
  EXPECT_FALSE(dir.exists("10.sub"));
  group.commit();
  EXPECT_EQ(dir.names().size(), 12u);  // and no hidden file
  EXPECT_EQ(dir.read("0.sub"), "0\r\n");
  EXPECT_EQ(dir.read("11.sub"), "11\r\n");
}

// A target that cannot be replaced fails the commit: the files renamed before it are taken
// back, and what they replaced is there again as it was.
TEST(OutputGroup, AFailedCommitPutsEveryEarlierFileBack) {
  TempDir dir;
  dir.write("1.sub", "earlier");
  std::filesystem::create_directory(dir.file("3.sub"));
  {
    OutputGroup group;
    for (const char* name : {"1.sub", "2.sub", "3.sub"}) {
      group.begin(dir.file(name)).writeLine("new");
    }
    try {
      group.commit();
      FAIL() << "replaced a folder";
    } catch (const OutputError& error) {
      EXPECT_EQ(error.errorNumber(), EISDIR);
      EXPECT_EQ(error.target(), dir.file("3.sub"));
    }
  }
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"1.sub", "3.sub"}));
  EXPECT_EQ(dir.read("1.sub"), "earlier");
}

// The files waiting under hidden names are removed before the signal ends the process.
TEST(TemporaryFiles, ASignalRemovesThemAndStillEndsTheProcess) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(strsignal(signal));
    TempDir dir;
    const pid_t child = ::fork();
    if (child == 0) {
      ::signal(signal, SIG_DFL);  // as a program starts, whatever this test inherited
      InstallTemporaryFileCleanup();
      OutputGroup group;
      BeginTwelve(group, dir);
      if (!dir.names().empty()) {
        ::kill(::getpid(), signal);  // to the process, as a terminal or `kill` sends it
        for (;;) {  // hidden files made meanwhile are removed too, or wait for good
          OutputGroup more;
          BeginTwelve(more, dir);
        }
      }
      ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(dir.names(), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace lumetra
