#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RunCliProcess;
using testing::TempDir;

TEST(DeleteCommentsCli, UsesSquareBracketsByDefault) {
  TempDir dir;
  const std::string input = dir.write("m.sub", "{1}{2}[door] Hi\r\n{3}{4}[x]\r\n");
  const auto run = RunCliProcess({"delete-comments", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "The comments are deleted.\nNumber of deleted comments: 2\n");
  EXPECT_EQ(dir.read("m - without comments.sub"), "{1}{2}Hi\r\n");
}

TEST(DeleteCommentsCli, TakesOtherDelimitersAndConverts) {
  TempDir dir;
  const std::string input =
      dir.write("m.sub", "{25}{50}\xC2\xABrire\xC2\xBB Oui [non]\r\n{75}{100}(x)\r\n");
  const auto run = RunCliProcess({"delete-comments", "--begin", "\xC2\xAB", "--end=\xC2\xBB",
                                  "--to", "subrip", "--fps", "25", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(dir.read("m - without comments.srt"),
            "1\r\n00:00:01,000 --> 00:00:02,000\r\nOui [non]\r\n\r\n"
            "2\r\n00:00:03,000 --> 00:00:04,000\r\n(x)\r\n");
}

TEST(DeleteCommentsCli, AnEmptyDelimiterIsRefusedAndWritesNothing) {
  TempDir dir;
  const std::string input = dir.write("m.sub", "{1}{2}[x] Hi\r\n");
  const auto run = RunCliProcess({"delete-comments", "--end", "", input});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "Enter the end character!\n");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"m.sub"});
}

constexpr const char* kFourEntries =
    "{100}{200}A\r\n{950}{1050}B\r\n{1200}{1300}C\r\n{2500}{2600}D\r\n";

TEST(SplitCli, WritesSegmentsWithTheOutputExtension) {
  TempDir dir;
  const std::string input = dir.write("my movie.sub", kFourEntries);
  const auto run =
      RunCliProcess({"split", "--segment-frames", "1000", "--segments=3", "--to", "subrip", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "The subtitle is split.\n\nNumber of segments: 3\n");
  const std::vector<std::string> names = {"my movie - 1.srt", "my movie - 2.srt",
                                          "my movie - 3.srt", "my movie.sub"};
  EXPECT_EQ(dir.names(), names);
  EXPECT_EQ(dir.read("my movie - 3.srt"), "1\r\n00:00:20,000 --> 00:00:24,000\r\nD\r\n");
}

TEST(SplitCli, DefaultsToTwoSegmentsOf180000Frames) {
  TempDir dir;
  const std::string input = dir.write("m.sub", "{179990}{180010}X\r\n{400000}{400001}Y\r\n");
  const auto run = RunCliProcess({"split", "--delete-source", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(dir.read("m - 1.sub"), "{179990}{180010}X\r\n");
  EXPECT_EQ(dir.read("m - 2.sub"), "{0}{10}X\r\n{220000}{220001}Y\r\n");
  EXPECT_FALSE(dir.exists("m.sub"));
}

TEST(SplitCli, RefusalsAndFailuresLeaveNoSegment) {
  struct Case {
    std::vector<std::string> options;
    const char* content;
    int exitCode;
  };
  const std::vector<Case> cases = {
      {{"--segments", "1"}, kFourEntries, 1},
      {{"--segment-frames", "0"}, kFourEntries, 1},
      {{"--segments", "two"}, kFourEntries, 64},
      {{}, "Not a subtitle\r\n", 2},
      {{}, "{1}{x}Bad\r\n", 2},
  };
  for (const Case& c : cases) {
    TempDir dir;
    std::vector<std::string> args = {"split"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back(dir.write("m.sub", c.content));
    const auto run = RunCliProcess(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.content << run.err;
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(dir.names(), std::vector<std::string>{"m.sub"}) << c.content;
  }
}

TEST(GuessFrameRateCli, PrintsTheResult) {
  TempDir dir;
  const std::string input = dir.write("m.sub", "{171000}{172800}Goodbye\r\n");
  auto run = RunCliProcess({"guess-framerate", "--length", "7200", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Calculated framerate: 24 fps\n");
  run = RunCliProcess({"guess-framerate", "--length", "7200", "--correction", "4", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Calculated framerate: 23.226 fps\n");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"m.sub"});
}

TEST(GuessFrameRateCli, RefusesAndReportsWhatTheWindowWouldNotSay) {
  TempDir dir;
  const std::string sub = dir.write("m.sub", "{1}{2}x\r\n");
  const std::string srt = dir.write("m.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nx\r\n");
  const std::string txt = dir.write("m.txt", "notes\r\n");
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    const char* err;
  };
  const std::vector<Case> cases = {
      {{"guess-framerate", "--length", "0", sub}, 1, "The length of the movie can't be 0!\n"},
      {{"guess-framerate", "--length", "7200", srt},
       1,
       "You can not guess the framerate of a SubRip subtitle\n"},
      {{"guess-framerate", "--length", "7200", txt},
       1,
       "The file is neither a MicroDVD nor a SubRip subtitle.\n"},
      {{"guess-framerate", sub}, 64, nullptr},
      {{"guess-framerate", "--length", "7200", "--correction", "11", sub}, 64, nullptr},
  };
  for (const Case& c : cases) {
    const auto run = RunCliProcess(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_TRUE(run.out.empty());
    if (c.err != nullptr) {
      EXPECT_EQ(run.err, c.err);
    }
  }
}

}  // namespace
}  // namespace lumetra
