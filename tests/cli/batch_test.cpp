// Many inputs in one command: reported in input order, the worst exit status, no input
// stopping another; folders below --recursive; outputs into --output-dir; dry runs.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RunCliProcess;
using testing::TempDir;

constexpr const char* kSub = "{25}{50}Hello l am\r\n{75}{100}[door] Bye\r\n";

TEST(Batch, ReportsEveryInputInOrderWithTheWorstExitStatus) {
  TempDir dir;
  const std::string first = dir.write("a.sub", kSub);
  const std::string bad = dir.write("b.sub", "{25}{50}x\r\n{7x}{9}y\r\n");
  const std::string last = dir.write("c.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n");
  // Its output is written, but a folder holds the name it should get.
  const std::string blocked = dir.write("d.sub", kSub);
  ::mkdir(dir.file("d - SubRip.srt").c_str(), 0700);
  const auto run = RunCliProcess({"convert", "--jobs", "2", first, bad, last, blocked});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out,
            first + ": The subtitle is converted.\n" + last + ": The subtitle is converted.\n");
  EXPECT_EQ(run.err, bad +
                         ": An error has occurred! The selected file is no subtitle (or is an "
                         "unkown format) Reading stopped at line 2 of the input.\n" +
                         blocked +
                         ": An error has occurred! Error 75 : Path/File access error "
                         "(writing " +
                         dir.file("d - SubRip.srt") + ")\n");
  EXPECT_EQ(dir.names(),
            (std::vector<std::string>{"a - SubRip.srt", "a.sub", "b.sub", "c - MicroDVD.sub",
                                      "c.srt", "d - SubRip.srt", "d.sub"}));
}

TEST(Batch, TakesEveryFileBelowAFolderAndWritesIntoTheOutputFolder) {
  TempDir dir;
  ::mkdir(dir.file("in").c_str(), 0700);
  ::mkdir(dir.file("in/deeper").c_str(), 0700);
  ::mkdir(dir.file("out").c_str(), 0700);
  dir.write("in/one.sub", kSub);
  dir.write("in/deeper/two.SRT", "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n");
  dir.write("in/notes.txt", "not a subtitle");
  const auto run = RunCliProcess({"synchronize", "--shift", "1000", "--recursive", "--output-dir",
                                  dir.file("out"), dir.file("in")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, dir.file("in/deeper/two.SRT") + ": The subtitle is synchronized.\n" +
                         dir.file("in/one.sub") + ": The subtitle is synchronized.\n");
  EXPECT_EQ(dir.read("out/one - synchronized.sub"),
            "{50}{75}Hello l am\r\n{100}{125}[door] Bye\r\n");
  EXPECT_TRUE(dir.exists("out/two - synchronized.srt"));
  const auto missing = RunCliProcess({"convert", "--output-dir", dir.file("none"), dir.file("x")});
  EXPECT_EQ(missing.exitCode, 64);
}

struct DryRunCase {
  const char* name;
  std::vector<std::string> args;
  const char* changes;  // what the dry run prints before its count
  const char* count;
};

// A dry run writes nothing and counts exactly what the real run reports.
TEST(Batch, DryRunsShowEveryChangeAndTheCountOfTheRealRun) {
  const DryRunCase cases[] = {
      {"correct",
       {"correct"},
       "1\t00:00:01,000\tHello l am\tHello I am\n",
       "Number of corrections: 1"},
      {"delete comments",
       {"delete-comments"},
       "2\t00:00:03,000\t[door] Bye\tBye\n",
       "Number of deleted comments: 1"},
  };
  for (const DryRunCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string input = dir.write("m.sub", kSub);
    std::vector<std::string> args = c.args;
    args.push_back("--dry-run");
    args.push_back(input);
    const auto dry = RunCliProcess(args);
    EXPECT_EQ(dry.exitCode, 0) << dry.err;
    EXPECT_EQ(dry.out, std::string(c.changes) + c.count + "\n");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"m.sub"});
    args.erase(args.end() - 2);
    EXPECT_NE(RunCliProcess(args).out.find(c.count), std::string::npos);
  }
}

}  // namespace
}  // namespace lumetra
