#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RunCliProcess;
using testing::TempDir;

constexpr const char* kSubRip = "1\r\n00:00:01,500 --> 00:00:04,000\r\nHello\r\nworld\r\n";

TEST(ConvertCli, TurnsMicroDvdIntoSubRipByDefault) {
  TempDir dir;
  const std::string input = dir.write("Ça va été.sub", "{25}{75}Hello|world\r\n{100}{150}Bye\r\n");
  const auto run = RunCliProcess({"convert", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "The subtitle is converted.\n");
  EXPECT_EQ(dir.read("Ça va été - SubRip.srt"),
            "1\r\n00:00:01,000 --> 00:00:03,000\r\nHello\r\nworld\r\n\r\n"
            "2\r\n00:00:04,000 --> 00:00:06,000\r\nBye\r\n");
}

TEST(ConvertCli, TurnsSubRipIntoMicroDvdByDefault) {
  TempDir dir;
  const auto run = RunCliProcess({"convert", dir.write("m.srt", kSubRip)});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(dir.read("m - MicroDVD.sub"), "{38}{100}Hello|world\r\n");
}

TEST(ConvertCli, AppliesRateShiftAndDeleteSource) {
  TempDir dir;
  const std::string input = dir.write("m.sub", "{1000}{1100}Hi\r\n");
  const auto run =
      RunCliProcess({"convert", "--fps", "23.976", "--shift=-1000", "--delete-source", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(dir.read("m - SubRip.srt"), "1\r\n00:00:40,707 --> 00:00:44,878\r\nHi\r\n");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"m - SubRip.srt"});
}

TEST(ChangeFrameRateCli, RescalesFrom25ByDefault) {
  TempDir dir;
  const std::string input = dir.write("my movie.sub", "{1000}{1100}Hello|world\r\n{1000}{}Hi\r\n");
  const auto run = RunCliProcess({"change-framerate", "--new-fps", "23.976", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "The framerate is changed.\n");
  EXPECT_EQ(dir.read("my movie - 23.976fps.sub"), "{959}{1055}Hello|world\r\n{959}{}Hi\r\n");
}

TEST(ChangeFrameRateCli, TakesTheCurrentRateAndKeepsTheExtension) {
  TempDir dir;
  const std::string input = dir.write("m.txt", "{959}{1055}x\r\n");
  const auto run = RunCliProcess(
      {"change-framerate", "--fps", "23.976", "--new-fps=25", "--delete-source", input});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(dir.read("m - 25fps.txt"), "{1000}{1100}x\r\n");
  EXPECT_FALSE(dir.exists("m.txt"));
}

struct ExitCase {
  const char* name;
  std::vector<std::string> args;  // "SUB", "SRT", "TEXT", "BAD" stand for input files
  int exitCode;
  const char* errStart;
};

// Refusals and failures leave the folder holding only the input (and any earlier output).
TEST(ConvertCli, ExitCodesAndMessages) {
  const std::vector<ExitCase> cases = {
      {"convert to its own format",
       {"convert", "--to", "microdvd", "SUB"},
       1,
       "The output format is the same as the input format!\n"},
      {"convert unknown input", {"convert", "TEXT"}, 2, "An error has occurred!\n\nError "},
      {"convert format failure",
       {"convert", "BAD"},
       2,
       "An error has occurred!\n\nThe selected file is no subtitle (or is an unkown format)\n"
       "Reading stopped at line 2 of the input.\n"},
      {"convert missing input",
       {"convert", "MISSING"},
       2,
       "An error has occurred!\n\nError 53 : File not found\n"},
      {"convert shift too large", {"convert", "--shift", "30001", "SUB"}, 64, "lumetra-cli"},
      {"convert bad rate", {"convert", "--fps", "25.0", "SUB"}, 64, "lumetra-cli"},
      {"convert bad format", {"convert", "--to", "ass", "SUB"}, 64, "lumetra-cli"},
      {"change SubRip",
       {"change-framerate", "--new-fps", "24", "SRT"},
       1,
       "You can not change the framerate of a SubRip-file\n"},
      {"change unknown input",
       {"change-framerate", "--new-fps", "24", "TEXT"},
       1,
       "The selected file is not a subtitle (or is an unknown format)\n"},
      {"change same rates",
       {"change-framerate", "--new-fps", "25", "SUB"},
       1,
       "The current and the new framerate are the same!\n"},
      {"change format failure",
       {"change-framerate", "--new-fps", "24", "BAD"},
       2,
       "An error has occurred!\n\nThe selected file is no subtitle (or is an unkown format)\n"
       "Reading stopped at line 2 of the input.\n"},
      {"change no new rate",
       {"change-framerate", "SUB"},
       64,
       "lumetra-cli change-framerate: option --new-fps"},
      {"change bad new rate", {"change-framerate", "--new-fps", "26", "SUB"}, 64, "lumetra-cli"},
      {"change bad rate",
       {"change-framerate", "--new-fps", "24", "--fps", "x", "SUB"},
       64,
       "lumetra-cli"},
      {"change with --to",
       {"change-framerate", "--new-fps", "24", "--to", "subrip", "SUB"},
       64,
       "lumetra-cli"},
  };
  for (const ExitCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    std::vector<std::string> args = c.args;
    std::string inputName = "m.sub";
    for (auto& arg : args) {
      if (arg == "SUB") {
        arg = dir.write(inputName, "{1}{2}a\r\n");
      } else if (arg == "SRT") {
        inputName = "m.srt";
        arg = dir.write(inputName, kSubRip);
      } else if (arg == "TEXT") {
        arg = dir.write(inputName, "Hello\r\n");
      } else if (arg == "BAD") {
        arg = dir.write(inputName, "{1}{2}a\r\n{x}{2}b\r\n");
      } else if (arg == "MISSING") {
        arg = dir.file(inputName);
      }
    }
    // An earlier output of every name a run could write must survive it.
    for (const char* earlier : {"m - SubRip.srt", "m - MicroDVD.sub", "m - 24fps.sub"}) {
      dir.write(earlier, "earlier output");
    }
    const auto run = RunCliProcess(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_TRUE(run.err.starts_with(c.errStart)) << run.err;
    EXPECT_EQ(run.out, "");
    for (const char* earlier : {"m - SubRip.srt", "m - MicroDVD.sub", "m - 24fps.sub"}) {
      EXPECT_EQ(dir.read(earlier), "earlier output") << earlier;
    }
    EXPECT_EQ(dir.names().size(), c.args.back() == "MISSING" ? 3u : 4u);
  }
}

}  // namespace
}  // namespace lumetra
