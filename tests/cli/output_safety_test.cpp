// What a run leaves in the input's folder when it is stopped from outside: by a signal, by a
// file-size limit, by a folder it may not write to.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "cli/run_cli.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RunCliProcess;
using testing::TempDir;

std::string ManyEntries(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text +=
        "{" + std::to_string(i * 10) + "}{" + std::to_string(i * 10 + 5) + "}Some text|more\r\n";
  }
  return text;
}

// Whether the process has a file of `folder` open other than `input`: its output.
bool HasOutputOpen(pid_t pid, const std::string& folder, const std::string& input) {
  const std::string fds = "/proc/" + std::to_string(pid) + "/fd";
  std::error_code ignored;
  for (const auto& fd : std::filesystem::directory_iterator(fds, ignored)) {
    const std::string target = std::filesystem::read_symlink(fd.path(), ignored).string();
    if (target.starts_with(folder + "/") && target != input) {
      return true;
    }
  }
  return false;
}

// Runs lumetra-cli, sends `signal` once its output is open, and returns its wait status.
int InterruptedRun(const std::vector<std::string>& args, const std::string& folder, int signal) {
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    testing::ExecCli(args, null, null);
  }
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (HasOutputOpen(child, folder, args.back()) || std::chrono::steady_clock::now() > deadline) {
      kill(child, signal);
      waitpid(child, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return status;
}

bool MakesUnnamedFiles(const std::string& folder) {
  const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
  return fd >= 0 && close(fd) == 0;
}

TEST(OutputSafety, AnInterruptedRunLeavesNoFile) {
  TempDir dir;
  const std::string input = dir.write("m.sub", ManyEntries(400000));
  std::vector<int> signals = {SIGINT, SIGTERM, SIGHUP};
  if (MakesUnnamedFiles(dir.path())) {
    signals.push_back(SIGKILL);  // only a file without a name survives no cleanup at all
  }
  for (const int signal : signals) {
    SCOPED_TRACE(strsignal(signal));
    const int status = InterruptedRun({"convert", input}, dir.path(), signal);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(dir.names(), std::vector<std::string>{"m.sub"});
  }
}

TEST(OutputSafety, AFileSizeLimitFailsAsADiskFull) {
  TempDir dir;
  const std::string input = dir.write("m.sub", ManyEntries(2000));
  const auto run = RunCliProcess({"convert", input}, "", [] {
    const rlimit limit{1 << 16, 1 << 16};
    setrlimit(RLIMIT_FSIZE, &limit);
  });
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "An error has occurred!\n\nError 61 : Disk full (writing " +
                         dir.file("m - SubRip.srt") + ")\n");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"m.sub"});
}

// Root writes anywhere, so it gets the folder read-only in a mount namespace of its own.
TEST(OutputSafety, AnUnwritableFolderIsNamed) {
  TempDir dir;
  const std::string input = dir.write("m.sub", "{1}{2}a\r\n");
  const bool root = geteuid() == 0;
  if (!root) {
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
  }
  const char* folder = dir.path().c_str();
  const auto run = RunCliProcess({"convert", input}, "", [&] {
    if (root && (unshare(CLONE_NEWNS) != 0 ||
                 mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                 mount(folder, folder, nullptr, MS_BIND, nullptr) != 0 ||
                 mount(nullptr, folder, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)) {
      _exit(77);
    }
  });
  if (run.exitCode == 77) {
    GTEST_SKIP() << "no read-only mount can be made here";
  }
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "An error has occurred!\n\nError 70 : Permission denied (writing " +
                         dir.file("m - SubRip.srt") + ")\n");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"m.sub"});
}

}  // namespace
}  // namespace lumetra
