#include <gtest/gtest.h>

#include "cli/run_cli.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RunCliProcess;
using testing::TempDir;

constexpr const char* kInput = "{1}{2}Hello l am|''Yes''?.|1 2\r\n{3}{4}Et l'homme\r\n";

struct CliCase {
  const char* name;
  std::vector<std::string> options;
  const char* outputName;
  const char* expected;
  const char* out;
};

TEST(CorrectCli, SwitchesLanguageAndFormat) {
  const std::vector<CliCase> cases = {
      {"defaults",
       {},
       "m - corrected.sub",
       "{1}{2}Hello I am|\"Yes\"?|12\r\n{3}{4}Et I'homme\r\n",
       "The subtitle is corrected.\n\nNumber of corrections: 8\n"},
      {"french",
       {"--language", "french"},
       "m - corrected.sub",
       "{1}{2}Hello I am|\"Yes\"?|12\r\n{3}{4}Et l'homme\r\n",
       "The subtitle is corrected.\n\nNumber of corrections: 7\n"},
      {"every repair off",
       {"--no-quotes", "--no-il", "--no-full-stops", "--no-digit-spaces"},
       "m - corrected.sub",
       kInput,
       "The subtitle is corrected.\n\nNumber of corrections: 0\n"},
      {"quotes only",
       {"--no-il", "--no-full-stops", "--no-digit-spaces"},
       "m - corrected.sub",
       "{1}{2}Hello l am|\"Yes\"?.|1 2\r\n{3}{4}Et l'homme\r\n",
       "The subtitle is corrected.\n\nNumber of corrections: 4\n"},
      {"subrip at 24",
       {"--to", "subrip", "--fps", "24"},
       "m - corrected.srt",
       "1\r\n00:00:00,042 --> 00:00:00,083\r\nHello I am\r\n\"Yes\"?\r\n12\r\n\r\n"
       "2\r\n00:00:00,125 --> 00:00:00,167\r\nEt I'homme\r\n",
       "The subtitle is corrected.\n\nNumber of corrections: 8\n"},
  };
  for (const CliCase& c : cases) {
    TempDir dir;
    const std::string input = dir.write("m.sub", kInput);
    std::vector<std::string> args = {"correct"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back(input);
    const auto run = RunCliProcess(args);
    EXPECT_EQ(run.exitCode, 0) << c.name << ": " << run.err;
    EXPECT_EQ(run.out, c.out) << c.name;
    EXPECT_EQ(dir.read(c.outputName), c.expected) << c.name;
    EXPECT_EQ(dir.read(input), kInput) << c.name;
  }
}

TEST(CorrectCli, KeepsASubRipInputInSubRipAndDeletesTheSourceWhenAsked) {
  TempDir dir;
  const std::string input = dir.write("m.srt", "1\n00:00:01,000 --> 00:00:02,000\nl\n");
  const auto run = RunCliProcess({"correct", "--delete-source", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(dir.read("m - corrected.srt"), "1\r\n00:00:01,000 --> 00:00:02,000\r\nI\r\n");
  EXPECT_FALSE(dir.exists("m.srt"));
}

TEST(CorrectCli, UsageErrorsWriteNothing) {
  for (const std::vector<std::string>& options : {std::vector<std::string>{"--language", "german"},
                                                  {"--language"},
                                                  {"--no-il=1"},
                                                  {"--quotes"}}) {
    TempDir dir;
    std::vector<std::string> args = {"correct"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(dir.write("m.sub", kInput));
    const auto run = RunCliProcess(args);
    EXPECT_EQ(run.exitCode, 64) << options[0];
    EXPECT_EQ(run.err.rfind("lumetra-cli", 0), 0u) << run.err;
    EXPECT_EQ(dir.names(), std::vector<std::string>{"m.sub"}) << options[0];
  }
}

}  // namespace
}  // namespace lumetra
