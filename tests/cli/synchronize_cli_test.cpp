#include <gtest/gtest.h>

#include "cli/run_cli.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RunCliProcess;
using testing::TempDir;

TEST(SynchronizeCli, WritesBesideTheInputAndPrintsTheCompletion) {
  TempDir dir;
  const std::string input = dir.write("Ça va été.sub", "{1000}{1100}Hi\r\n");
  const auto run = RunCliProcess({"synchronize", "--shift", "1500", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "The subtitle is synchronized.\n");
  EXPECT_EQ(dir.read("Ça va été - synchronized.sub"), "{1037}{1137}Hi\r\n");
}

TEST(SynchronizeCli, ConvertsAtTheGivenRateAndDeletesTheSourceWhenAsked) {
  TempDir dir;
  const std::string input = dir.write("m.sub", "{1000}{1100}Hi\r\n");
  const auto run = RunCliProcess({"synchronize", "--shift=-1000", "--fps", "23.976", "--to",
                                  "subrip", "--delete-source", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(dir.read("m - synchronized.srt"), "1\r\n00:00:40,707 --> 00:00:44,878\r\nHi\r\n");
  EXPECT_FALSE(dir.exists("m.sub"));
}

TEST(SynchronizeCli, KeepsASubRipInputInSubRip) {
  TempDir dir;
  const std::string input = dir.write("m.srt", "1\n00:00:01,000 --> 00:00:02,500\nx\n");
  const auto run = RunCliProcess({"synchronize", "--shift", "1500", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(dir.read("m - synchronized.srt"), "1\r\n00:00:02,500 --> 00:00:04,000\r\nx\r\n");
}

struct ExitCase {
  const char* name;
  std::vector<std::string> args;  // "IN" stands for the input path
  int exitCode;
  const char* errStart;
};

TEST(SynchronizeCli, ExitCodesAndMessages) {
  const std::vector<ExitCase> cases = {
      {"refused",
       {"synchronize", "--shift", "0", "IN"},
       1,
       "0 seconds set: unnecessary to synchronize\n"},
      {"format failure",
       {"synchronize", "--shift", "10", "BAD"},
       2,
       "An error has occurred!\n\nThe selected file is no subtitle (or is an unkown format)\n"
       "Reading stopped at line 2 of the input.\n"},
      {"missing input",
       {"synchronize", "--shift", "10", "MISSING"},
       2,
       "An error has occurred!\n\nError 53 : File not found\n"},
      {"no shift", {"synchronize", "IN"}, 64, "lumetra-cli synchronize: option --shift"},
      {"shift too large", {"synchronize", "--shift", "30001", "IN"}, 64, "lumetra-cli"},
      {"bad rate", {"synchronize", "--shift", "1", "--fps", "26", "IN"}, 64, "lumetra-cli"},
      {"bad format", {"synchronize", "--shift", "1", "--to", "ass", "IN"}, 64, "lumetra-cli"},
      {"no input", {"synchronize", "--shift", "1"}, 64, "lumetra-cli"},
      {"unknown command", {"shuffle", "IN"}, 64, "lumetra-cli: unknown command"},
  };
  for (const ExitCase& c : cases) {
    TempDir dir;
    std::vector<std::string> args = c.args;
    for (auto& arg : args) {
      if (arg == "IN") {
        arg = dir.write("m.sub", "{1}{2}a\r\n");
      } else if (arg == "BAD") {
        arg = dir.write("m.sub", "{1}{2}a\r\n{x}{2}b\r\n");
      } else if (arg == "MISSING") {
        arg = dir.file("m.sub");
      }
    }
    const auto run = RunCliProcess(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err;
    EXPECT_EQ(run.err.rfind(c.errStart, 0), 0u) << c.name << ": " << run.err;
    EXPECT_EQ(run.out, "") << c.name;
    EXPECT_FALSE(dir.exists("m - synchronized.sub")) << c.name;
  }
}

TEST(Cli, HelpListsEveryOperation) {
  const auto run = RunCliProcess({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  for (const char* command : {"synchronize", "convert", "change-framerate", "correct",
                              "delete-comments", "split", "guess-framerate"}) {
    EXPECT_NE(run.out.find(std::string("  ") + command + " "), std::string::npos) << command;
  }
}

TEST(Cli, AFullStandardOutputIsAFailure) {
  TempDir dir;
  const std::string input = dir.write("m.sub", "{1}{2}a\r\n");
  const auto run = RunCliProcess({"synchronize", "--shift", "10", input}, "/dev/full");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace lumetra
