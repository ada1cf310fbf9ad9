// lumetra-cli fit and probe: their options, usage errors and exit codes. The fitting itself
// is tested on the driver.

#include <gtest/gtest.h>

#include "cli/run_cli.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RunCliProcess;
using testing::TempDir;

constexpr const char* kSrt =
    "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n2\r\n00:00:03,000 --> 00:00:04,000\r\nb\r\n";

TEST(FitCli, OptionsAndExitCodes) {
  const struct {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
    const char* says;  // in stdout for 0, else in stderr
    bool written;
  } cases[] = {
      {"two points", {"fit", "--points", "1=10,2=20"}, 0, "Speed: × 5.0000", true},
      {"dry run", {"fit", "--dry-run", "--points", "1=10,2=20"}, 0, "Shift: +5.000 s", false},
      {"no source", {"fit"}, 64, "give one of --movie, --reference and --points", false},
      {"two sources",
       {"fit", "--points", "1=1,2=2", "--reference", "x.srt"},
       64,
       "give one of",
       false},
      {"bad points", {"fit", "--points", "1=10"}, 64, "--points takes", false},
      {"track without movie",
       {"fit", "--points", "1=1,2=2", "--audio-track", "2"},
       64,
       "--audio-track needs --movie",
       false},
      {"missing movie", {"fit", "--movie", "/nonexistent/movie.mkv"}, 1, "movie", false},
      {"missing entry", {"fit", "--points", "1=10,7=20"}, 1, "The subtitle has no entry 7!", false},
  };
  for (const auto& c : cases) {
    const TempDir dir;
    std::vector<std::string> args = c.args;
    args.push_back(dir.write("in.srt", kSrt));
    const testing::CliRun run = RunCliProcess(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err;
    EXPECT_NE((c.exitCode == 0 ? run.out : run.err).find(c.says), std::string::npos)
        << c.name << ": " << run.out << run.err;
    EXPECT_EQ(dir.exists("in - fitted.srt"), c.written) << c.name;
  }
}

TEST(FitCli, ProbeRefusesWhatIsNoMovie) {
  const TempDir dir;
  const struct {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
  } cases[] = {
      {"no movie given", {"probe"}, 64},
      {"not there", {"probe", dir.file("none.mkv")}, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RunCliProcess(c.args).exitCode, c.exitCode) << c.name;
  }
}

}  // namespace
}  // namespace lumetra
