// A batch loses nothing: inputs whose outputs would share names are refused before any
// input runs, and an interrupt leaves no hidden file and no Split half named.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cli/run_cli.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::NamesIn;
using testing::RunCliProcess;
using testing::TempDir;

constexpr const char* kSubRip = "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n";
constexpr const char* kMicroDvd = "{25}{50}Hi\r\n";

TEST(Batch, RefusesInputsWhoseOutputsWouldShareNames) {
  struct Case {
    const char* name;
    std::vector<std::pair<const char*, const char*>> files;  // content nullptr: a folder
    std::vector<std::string> args;  // "@x" is the path x in the test's folder
    std::vector<std::string> refused;
    std::vector<std::string> kept;  // inputs still there after --delete-source
  };
  const Case cases[] = {
      {"one name in two folders, one output folder",
       {{"in", nullptr},
        {"in/a", nullptr},
        {"in/b", nullptr},
        {"out", nullptr},
        {"in/a/x.srt", kSubRip},
        {"in/b/x.srt", kSubRip},
        {"in/y.srt", kSubRip}},
       {"correct", "--recursive", "--output-dir", "@out", "@in"},
       {"in/a/x.srt", "in/b/x.srt"},
       {"in/a/x.srt", "in/b/x.srt"}},
      {"names that differ by case only in the extension",
       {{"x.srt", kSubRip}, {"x.SRT", kSubRip}},
       {"correct", "@x.srt", "@x.SRT"},
       {"x.srt", "x.SRT"},
       {"x.srt", "x.SRT"}},
      {"Split parts of two formats written as one",
       {{"x.srt", kSubRip}, {"x.sub", kMicroDvd}},
       {"split", "--to", "subrip", "--segments", "2", "--segment-frames", "100", "@x.srt",
        "@x.sub"},
       {"x.srt", "x.sub"},
       {"x.srt", "x.sub"}},
      {"formats that keep the outputs apart",
       {{"x.srt", kSubRip}, {"x.sub", kMicroDvd}},
       {"correct", "@x.srt", "@x.sub"},
       {},
       {}},
      {"one name beside inputs in two folders",
       {{"a", nullptr}, {"b", nullptr}, {"a/x.srt", kSubRip}, {"b/x.srt", kSubRip}},
       {"correct", "@a/x.srt", "@b/x.srt"},
       {},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    for (const auto& [name, content] : c.files) {
      if (content == nullptr) {
        std::filesystem::create_directory(dir.file(name));
      } else {
        dir.write(name, content);
      }
    }
    std::vector<std::string> args{c.args.front(), "--delete-source"};
    for (auto arg = c.args.begin() + 1; arg != c.args.end(); ++arg) {
      args.push_back((*arg)[0] == '@' ? dir.file(arg->substr(1)) : *arg);
    }
    const auto run = RunCliProcess(args);
    EXPECT_EQ(run.exitCode, c.refused.empty() ? 0 : 1) << run.err;
    for (const std::string& input : c.refused) {
      EXPECT_NE(run.err.find(dir.file(input) +
                             ": another input of this run writes the same outputs too: "),
                std::string::npos)
          << run.err;
    }
    for (const std::string& input : c.kept) {
      EXPECT_TRUE(dir.exists(input)) << input;
    }
  }
}

// Entries every second for 100 seconds: ten parts of 10 seconds each.
std::string HundredSeconds() {
  std::string text;
  for (int s = 1; s <= 100; ++s) {
    const std::string time =
        "00:0" + std::to_string(s / 60) + ":" + (s % 60 < 10 ? "0" : "") + std::to_string(s % 60);
    text += std::to_string(s) + "\r\n" + time + ",000 --> " + time + ",500\r\nline\r\n\r\n";
  }
  return text;
}

// Signals at moments from the start to the middle of a batch Split: each group is whole
// under its names or absent, no hidden file is left, an input is gone only with its group.
TEST(Batch, AnInterruptLeavesNoHiddenFileAndNoHalfNamedSplit) {
  constexpr int kInputs = 40;
  constexpr std::size_t kParts = 10;
  const std::string content = HundredSeconds();
  int run = 0;
  for (const int delayMs : {5, 30, 100, 200, 300, 450}) {
    const int signal = ++run % 2 ? SIGINT : SIGTERM;
    SCOPED_TRACE(std::to_string(delayMs) + " ms, " + strsignal(signal));
    TempDir dir;
    std::filesystem::create_directory(dir.file("in"));
    std::filesystem::create_directory(dir.file("out"));
    for (int i = 0; i < kInputs; ++i) {
      dir.write("in/m" + std::to_string(100 + i) + ".srt", content);
    }
    const pid_t child = ::fork();
    if (child == 0) {
      const int null = ::open("/dev/null", O_WRONLY);
      testing::ExecCli({"split", "--jobs", "2", "--segments", std::to_string(kParts),
                        "--segment-frames", "250", "--fps", "25", "--delete-source", "--recursive",
                        "--output-dir", dir.file("out"), dir.file("in")},
                       null, null);
    }
    ::usleep(static_cast<useconds_t>(delayMs * 1000));
    ::kill(child, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == signal) ||
                (WIFEXITED(status) && WEXITSTATUS(status) == 0))
        << status;
    std::map<std::string, std::size_t> parts;
    for (const std::string& name : NamesIn(dir.file("out"))) {
      EXPECT_NE(name[0], '.') << "hidden file left: " << name;
      ++parts[name.substr(0, name.rfind(" - "))];
    }
    for (const auto& [stem, count] : parts) {
      EXPECT_EQ(count, kParts) << stem;
    }
    for (int i = 0; i < kInputs; ++i) {
      const std::string stem = "m" + std::to_string(100 + i);
      EXPECT_TRUE(dir.exists("in/" + stem + ".srt") || parts.count(stem) == 1) << stem;
    }
    for (const std::string& name : NamesIn(dir.file("in"))) {
      EXPECT_NE(name[0], '.') << "hidden file left: " << name;
    }
  }
}

}  // namespace
}  // namespace lumetra
