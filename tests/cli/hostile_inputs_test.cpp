// Inputs made to break a reader: each run fails with a message that says what and where,
// exits 2, never hangs, and leaves the folder as it was.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RunCliProcess;
using testing::TempDir;

struct HostileCase {
  const char* name;
  std::vector<std::string> args;  // "IN" stands for the input's path
  std::string content;            // "" with `special` set: made by the test
  const char* special;            // "fifo", "folder" or nullptr
  const char* message;            // after "An error has occurred!" and an empty line
  long line;                      // where reading stopped; 0: not said
};

const std::string k309Digits(309, '9');

TEST(HostileInputs, FailWithTheirReasonAndLeaveNothing) {
  const HostileCase cases[] = {
      {"20-digit frame",
       {"convert", "IN"},
       "{99999999999999999999}{1}x\r\n",
       nullptr,
       "Error 6 : Number too large in line 1 (reading IN)",
       1},
      {"309-digit frame",
       {"change-framerate", "--new-fps", "24", "IN"},
       "{1}{2}a\r\n{" + k309Digits + "}{1}x\r\n",
       nullptr,
       "Error 6 : Number too large in line 2 (reading IN)",
       2},
      {"75-digit end for guessing",
       {"guess-framerate", "--length", "7200", "IN"},
       "{1}{" + std::string(75, '9') + "}x\r\n",
       nullptr,
       "Error 6 : Number too large in line 1 (reading IN)",
       1},
      {"20-digit hours",
       {"synchronize", "--shift", "100", "IN"},
       "1\r\n99999999999999999999:00:00,000 --> 00:00:01,000\r\nx\r\n",
       nullptr,
       "Error 6 : Number too large in line 2 (reading IN)",
       2},
      {"empty file",
       {"correct", "IN"},
       "",
       nullptr,
       "Error 62 : The file is empty (reading IN)",
       0},
      {"line of 2 MiB",
       {"delete-comments", "IN"},
       "{1}{2}" + std::string(2 << 20, 'x'),
       nullptr,
       "Error 7 : Line longer than 1 MiB at line 1 (reading IN)",
       1},
      {"named pipe", {"split", "IN"}, "", "fifo", "Error 75 : Not a regular file (reading IN)", 0},
      {"folder",
       {"convert", "IN"},
       "",
       "folder",
       "Error 75 : A folder, not a file (reading IN)",
       0},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string input = dir.file("in.sub");
    if (c.special && std::string_view(c.special) == "fifo") {
      ASSERT_EQ(::mkfifo(input.c_str(), 0600), 0);
    } else if (c.special) {
      ASSERT_EQ(::mkdir(input.c_str(), 0700), 0);
    } else {
      dir.write("in.sub", c.content);
    }
    std::vector<std::string> args = c.args;
    for (auto& arg : args) {
      arg = arg == "IN" ? input : arg;
    }
    std::string message = c.message;
    message.replace(message.find("IN"), 2, input);
    std::string expected = "An error has occurred!\n\n" + message + "\n";
    if (c.line > 0) {
      expected += "Reading stopped at line " + std::to_string(c.line) + " of the input.\n";
    }
    const auto run = RunCliProcess(args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, expected);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"in.sub"});
  }
}

}  // namespace
}  // namespace lumetra

namespace lumetra {
namespace {

// An immutable file cannot be deleted, not even by root. False where the flag cannot be set.
bool SetImmutable(const std::string& path, bool on) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) {
    return false;
  }
  int flags = 0;
  bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
  done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  ::close(fd);
  return done;
}

TEST(HostileInputs, ASourceThatCannotBeDeletedIsKeptAndTheUserTold) {
  TempDir dir;
  const std::string input = dir.write("in.sub", "{25}{50}a\r\n");
  if (!SetImmutable(input, true)) {
    GTEST_SKIP() << "this file system or user cannot make a file immutable";
  }
  const auto run = RunCliProcess({"convert", "--delete-source", input});
  SetImmutable(input, false);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "An error has occurred!\n\nError 70 : Permission denied (deleting " + input +
                         ")\n\nThe output was written to " + dir.file("in - SubRip.srt") +
                         "; the source file was kept.\n");
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"in - SubRip.srt", "in.sub"}));
}

}  // namespace
}  // namespace lumetra
