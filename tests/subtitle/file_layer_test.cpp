#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "subtitle/format.h"
#include "subtitle/output_file.h"
#include "subtitle/output_group.h"
#include "subtitle/paths.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/temporary_files.h"
#include "subtitle/text_reader.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::TempDir;

TEST(TextReader, LineBreaksReadAsOneCharacterWhateverTheirStyle) {
  TempDir dir;
  TextReader reader(dir.write("in", "a\r\nb\nc\rd"));
  std::string line;
  EXPECT_EQ(reader.readChar(), 'a');
  EXPECT_TRUE(reader.atEndOfLine());
  EXPECT_EQ(reader.readChar(), '\n');
  EXPECT_EQ(reader.lineNumber(), 2);
  reader.readLine(line);
  EXPECT_EQ(line, "b");
  reader.skipLine();
  reader.readLine(line);
  EXPECT_EQ(line, "d");
  EXPECT_TRUE(reader.atEnd());
  EXPECT_TRUE(reader.atEndOfLine());
  EXPECT_THROW(reader.readChar(), SubtitleError);
  EXPECT_THROW(reader.readLine(line), SubtitleError);
}

TEST(TextReader, CrLfSplitAcrossTheBufferIsOneBreak) {
  TempDir dir;
  std::string content(1 << 20, 'x');
  content.back() = '\r';
  content += "\nnext";
  TextReader reader(dir.write("in", content));
  std::string line;
  reader.readLine(line);
  EXPECT_EQ(line.size(), (1u << 20) - 1);
  reader.readLine(line);
  EXPECT_EQ(line, "next");
}

TEST(TextReader, SetsAsideAByteOrderMark) {
  TempDir dir;
  TextReader with(dir.write("bom", "\xEF\xBB\xBF{1}{2}x"));
  EXPECT_TRUE(with.hasByteOrderMark());
  EXPECT_EQ(with.readChar(), '{');
  TextReader without(dir.write("plain", "\xEF\xBBx"));
  EXPECT_FALSE(without.hasByteOrderMark());
  EXPECT_EQ(without.readChar(), '\xEF');
}

TEST(TextReader, ReportsMissingFilesAndFolders) {
  TempDir dir;
  struct Case {
    std::string path;
    int number;
  };
  for (const Case& c : {Case{dir.file("missing.sub"), 53}, Case{dir.file("no/such.sub"), 76},
                        Case{dir.path(), 75}}) {
    try {
      TextReader reader(c.path);
      FAIL() << c.path;
    } catch (const SubtitleError& error) {
      EXPECT_EQ(error.kind(), SubtitleError::Kind::Other);
      EXPECT_EQ(error.number(), c.number) << c.path;
    }
  }
}

TEST(FormatTest, FirstCharacterDecides) {
  TempDir dir;
  EXPECT_EQ(DetectFileFormat(dir.write("a", "{1}{2}x")), SubtitleFormat::MicroDvd);
  EXPECT_EQ(DetectFileFormat(dir.write("b", "1\r\n")), SubtitleFormat::SubRip);
  EXPECT_EQ(DetectFileFormat(dir.write("c",
                                       "\xEF\xBB\xBF"
                                       "1\r\n")),
            SubtitleFormat::SubRip);
  EXPECT_EQ(DetectFileFormat(dir.write("d", "2\r\n")), SubtitleFormat::Unknown);
  EXPECT_THROW(DetectFileFormat(dir.write("e", "")), SubtitleError);
}

TEST(OutputFile, AppearsOnlyWhenCommitted) {
  TempDir dir;
  const std::string target = dir.write("out.srt", "earlier");
  {
    OutputFile out(target);
    out.writeLine("new");
    EXPECT_EQ(dir.read("out.srt"), "earlier");
    out.commit();
  }
  EXPECT_EQ(dir.read("out.srt"), "new\r\n");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"out.srt"});
}

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
  } catch (const SubtitleError& error) {
    EXPECT_EQ(error.kind(), SubtitleError::Kind::Other);
    EXPECT_EQ(error.number(), 76);
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
    } catch (const SubtitleError& error) {
      EXPECT_EQ(std::string(error.description()),
                "Path/File access error (writing " + dir.file("3.sub") + ")");
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
        ::raise(signal);
      }
      ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(dir.names(), std::vector<std::string>{});
  }
}

struct PathCase {
  const char* input;
  const char* base;
  const char* extension;
};

class PathsTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathsTest, CutsTheFileNamesOwnExtensionOnly) {
  EXPECT_EQ(BaseName(GetParam().input), GetParam().base);
  EXPECT_EQ(FileExtension(GetParam().input), GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PathsTest,
    ::testing::Values(PathCase{"/films/movie.sub", "/films/movie", "sub"},
                      PathCase{"/films/film.subtitle", "/films/film", "subtitle"},
                      PathCase{"/subs/ab", "/subs/ab", ""}, PathCase{"movie", "movie", ""},
                      PathCase{"/a.b/movie", "/a.b/movie", ""},
                      PathCase{"/x/.hidden", "/x/.hidden", ""},
                      PathCase{"/x/my film.v2.srt", "/x/my film.v2", "srt"},
                      PathCase{"/x/f\xc3\xa9lix.srt", "/x/f\xc3\xa9lix", "srt"}));

TEST(Paths, OutputPathAddsSuffixAndExtension) {
  EXPECT_EQ(OutputPath("/f/movie.sub", " - SubRip", "srt"), "/f/movie - SubRip.srt");
  EXPECT_EQ(OutputPath("/f/movie", " - 25fps", ""), "/f/movie - 25fps");
}

}  // namespace
}  // namespace lumetra
