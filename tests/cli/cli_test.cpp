// The command line's own concerns: options and their defaults, exit codes and where messages
// go. What each operation writes is tested on the drivers.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cli/run_cli.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RunCliProcess;
using testing::TempDir;
using Files = std::vector<std::pair<std::string, std::string>>;

constexpr const char* kSub = "{1000}{1100}Hi\r\n";
constexpr const char* kSrt = "1\n00:00:01,000 --> 00:00:02,500\nx\n";
constexpr const char* kFourEntries =
    "{100}{200}A\r\n{950}{1050}B\r\n{1200}{1300}C\r\n{2500}{2600}D\r\n";
constexpr const char* kCorrect = "{1}{2}Hello l am|''Yes''?.|1 2\r\n{3}{4}Et l'homme\r\n";

struct RunCase {
  std::vector<std::string> args;  // the input path is added last
  const char* inputName;
  const char* input;
  const char* out;
  Files folder;  // every file in the folder afterwards, with its content
};

// One run per command and option: the folder ends up holding exactly these files ("*": any
// content).
TEST(Cli, RunsEveryCommandWithItsOptions) {
  // clang-format off
  const RunCase cases[] = {
      // --to defaults to the input's own format (synchronize) or the other one (convert).
      {{"synchronize", "--shift", "1500"}, "Ça va été.sub", kSub, "The subtitle is synchronized.\n",
       {{"Ça va été - synchronized.sub", "{1037}{1137}Hi\r\n"}, {"Ça va été.sub", kSub}}},
      {{"synchronize", "--shift=-1000", "--fps", "23.976", "--to", "subrip", "--delete-source"},
       "m.sub", kSub, "The subtitle is synchronized.\n",
       {{"m - synchronized.srt", "1\r\n00:00:40,707 --> 00:00:44,878\r\nHi\r\n"}}},
      {{"convert"}, "my film.sub", kSub, "The subtitle is converted.\n",
       {{"my film - SubRip.srt", "1\r\n00:00:40,000 --> 00:00:44,000\r\nHi\r\n"},
        {"my film.sub", kSub}}},
      {{"convert", "--fps", "24", "--shift", "500", "--delete-source"}, "m.srt", kSrt,
       "The subtitle is converted.\n", {{"m - MicroDVD.sub", "{36}{72}x\r\n"}}},
      {{"change-framerate", "--fps", "23.976", "--new-fps=25", "--delete-source"}, "m.txt",
       "{959}{1055}x\r\n", "The framerate is changed.\n", {{"m - 25fps.txt", "{1000}{1100}x\r\n"}}},
      {{"change-framerate", "--fps", "25", "--new-fps=59.94"}, "m.sub", "{1000}{1100}x\r\n",
       "The framerate is changed.\n",
       {{"m - 59.94fps.sub", "{2398}{2637}x\r\n"}, {"m.sub", "{1000}{1100}x\r\n"}}},
      {{"correct", "--language", "french", "--to", "subrip", "--fps", "24"}, "m.sub", kCorrect,
       "The subtitle is corrected.\n\nNumber of corrections: 7\n",
       {{"m - corrected.srt",
         "1\r\n00:00:00,042 --> 00:00:00,083\r\nHello I am\r\n\"Yes\"?\r\n12\r\n\r\n"
         "2\r\n00:00:00,125 --> 00:00:00,167\r\nEt l'homme\r\n"}, {"m.sub", kCorrect}}},
      {{"correct", "--no-il", "--no-full-stops", "--no-digit-spaces"}, "m.sub", kCorrect,
       "The subtitle is corrected.\n\nNumber of corrections: 4\n",
       {{"m - corrected.sub", "{1}{2}Hello l am|\"Yes\"?.|1 2\r\n{3}{4}Et l'homme\r\n"},
        {"m.sub", kCorrect}}},
      {{"delete-comments", "--begin", "\xC2\xAB", "--end=\xC2\xBB", "--to", "subrip",
        "--delete-source"}, "m.sub", "{25}{50}\xC2\xABrire\xC2\xBB Oui [non]\r\n",
       "The comments are deleted.\nNumber of deleted comments: 1\n",
       {{"m - without comments.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nOui [non]\r\n"}}},
      {{"delete-comments", "--pair", "()", "--pair=\xC2\xAB\xC2\xBB", "--music"}, "m.sub",
       "{25}{50}- (sighs)|- \xC2\xABrire\xC2\xBB Oui [non]\r\n{60}{70}\xE2\x99\xAA la\r\n",
       "The comments are deleted.\nNumber of deleted comments: 4\n",
       {{"m - without comments.sub", "{25}{50}- Oui\r\n"}, {"m.sub", "*"}}},
      {{"split", "--segment-frames", "1000", "--segments=3", "--to", "subrip"}, "m.sub",
       kFourEntries, "The subtitle is split.\n\nNumber of segments: 3\n",
       {{"m - 1.srt", "*"}, {"m - 2.srt", "*"},
        {"m - 3.srt", "1\r\n00:00:20,000 --> 00:00:24,000\r\nD\r\n"}, {"m.sub", kFourEntries}}},
      // Two segments of 180000 frames by default.
      {{"split", "--delete-source"}, "m.sub", "{179990}{180010}X\r\n{400000}{400001}Y\r\n",
       "The subtitle is split.\n\nNumber of segments: 2\n",
       {{"m - 1.sub", "{179990}{180010}X\r\n"},
        {"m - 2.sub", "{0}{10}X\r\n{220000}{220001}Y\r\n"}}},
      {{"guess-framerate", "--length", "7200", "--correction", "4", "--delete-source"}, "m.sub",
       "{171000}{172800}Bye\r\n", "Calculated framerate: 24.828 fps\n", {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.inputName);
    TempDir dir;
    std::vector<std::string> args = c.args;
    args.push_back(dir.write(c.inputName, c.input));
    const auto run = RunCliProcess(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, "");
    Files folder = c.folder;
    std::sort(folder.begin(), folder.end());
    std::vector<std::string> names;
    for (const auto& [name, content] : folder) {
      names.push_back(name);
      if (content != "*") {
        EXPECT_EQ(dir.read(name), content) << name;
      }
    }
    EXPECT_EQ(dir.names(), names);
  }
}

struct ExitCase {
  std::vector<std::string> args;  // "IN" stands for the input file
  const char* input;              // nullptr: the input does not exist
  int exitCode;
  const char* err;
};

// An output already there is replaced, unless --no-clobber refuses the input instead; a split
// then writes none of its parts.
TEST(Cli, NoClobberKeepsAnExistingOutput) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"synchronize", "--shift", "40"}, "m - synchronized.sub"},
      {{"change-framerate", "--new-fps", "24"}, "m - 24fps.sub"},
      {{"split"}, "m - 2.sub"}};
  for (const auto& [command, existing] : cases) {
    for (const bool keep : {true, false}) {
      SCOPED_TRACE(command[0] + (keep ? " --no-clobber" : ""));
      TempDir dir;
      std::vector<std::string> args = command;
      if (keep) {
        args.push_back("--no-clobber");
      }
      args.push_back(dir.write("m.sub", "{1}{2}a\r\n{200000}{200001}b\r\n"));
      const std::string path = dir.write(existing, "mine");
      const auto run = RunCliProcess(args);
      EXPECT_EQ(run.exitCode, keep ? 1 : 0) << run.err;
      EXPECT_EQ(dir.read(existing) == "mine", keep);
      EXPECT_EQ(run.err,
                keep ? "The file " + path + " already exists; nothing was written.\n" : "");
      EXPECT_EQ(dir.names().size(), keep ? 2u : command[0] == "split" ? 3u : 2u);
    }
  }
}

// Refusals exit 1, failures 2, usage errors 64; each prints on stderr only and writes nothing.
TEST(Cli, ExitCodesAndMessages) {
  const char* bad = "{1}{2}a\r\n{x}{2}b\r\n";
  const char* text = "Hello\r\n";
  const char* sub = "{1}{2}a\r\n";
  const char* formatFailure =
      "An error has occurred!\n\nThe selected file is no subtitle (or is an unkown format)\n"
      "Reading stopped at line 2 of the input.\n";
  // clang-format off
  const ExitCase cases[] = {
      {{"synchronize", "--shift", "0", "IN"}, sub, 1,
       "0 seconds set: unnecessary to synchronize\n"},
      {{"synchronize", "--shift", "10", "IN"}, bad, 2, formatFailure},
      {{"convert", "--to", "microdvd", "IN"}, sub, 1,
       "The output format is the same as the input format!\n"},
      {{"change-framerate", "--new-fps", "24", "IN"}, text, 1,
       "The selected file is not a subtitle (or is an unknown format)\n"},
      {{"synchronize", "IN"}, sub, 64,
       "lumetra-cli synchronize: option --shift is required (see lumetra-cli --help)\n"},
      {{"synchronize", "--shift", "30001", "IN"}, sub, 64,
       "lumetra-cli synchronize: --shift takes a whole number from -30000 to 30000, not '30001' "
       "(see lumetra-cli --help)\n"},
      {{"convert", "--fps", "25.0", "IN"}, sub, 64,
       "lumetra-cli convert: --fps takes 23.976, 24, 25, 29.97, 30, 50, 59.94 or 60, not '25.0' "
       "(see lumetra-cli --help)\n"},
      {{"convert", "--to", "ass", "IN"}, sub, 64,
       "lumetra-cli convert: --to takes microdvd, subrip or webvtt, not 'ass' (see lumetra-cli --help)\n"},
      {{"convert"}, sub, 64, "lumetra-cli convert: missing INPUT file (see lumetra-cli --help)\n"},
      {{"shuffle", "IN"}, sub, 64,
       "lumetra-cli: unknown command 'shuffle' (see lumetra-cli --help)\n"},
      {{"correct", "--language", "german", "IN"}, sub, 64,
       "lumetra-cli correct: --language must be english or french, not 'german' "
       "(see lumetra-cli --help)\n"},
      {{"correct", "--no-il=1", "IN"}, sub, 64,
       "lumetra-cli correct: unknown option --no-il=1 (see lumetra-cli --help)\n"},
      {{"delete-comments", "--begin", "--end", "IN"}, sub, 64, "lumetra-cli delete-comments: "
       "--begin takes a single character, not '--end' (see lumetra-cli --help)\n"},
      {{"delete-comments", "--end=\xC2\xBB\xC2\xBB", "IN"}, sub, 64, "lumetra-cli delete-comments: "
       "--end takes a single character, not '\xC2\xBB\xC2\xBB' (see lumetra-cli --help)\n"},
      {{"delete-comments", "--pair", "(", "IN"}, sub, 64, "lumetra-cli delete-comments: "
       "--pair takes two characters such as \"()\", not '(' (see lumetra-cli --help)\n"},
      {{"convert", "--x.sub"}, sub, 64,
       "lumetra-cli convert: unknown option --x.sub (see lumetra-cli --help)\n"},
      {{"split", "--segments", "1000", "IN"}, sub, 64,
       "lumetra-cli split: --segments takes a whole number from 0 to 999, not '1000' "
       "(see lumetra-cli --help)\n"},
      {{"guess-framerate", "IN"}, sub, 64,
       "lumetra-cli guess-framerate: option --length is required (see lumetra-cli --help)\n"},
      {{"convert", "--input-encoding", "klingon", "IN"}, sub, 64,
       "lumetra-cli convert: --input-encoding: unknown encoding 'klingon' (see lumetra-cli --help)\n"},
      {{"convert", "--encoding", "latin1", "IN"}, sub, 64,
       "lumetra-cli convert: --encoding takes utf-8 only, not 'latin1' (see lumetra-cli --help)\n"},
  };
  // clang-format on
  for (const auto& c : cases) {
    std::string shown;
    for (const auto& arg : c.args) {
      shown += arg + " ";
    }
    SCOPED_TRACE(shown);
    TempDir dir;
    std::vector<std::string> args = c.args;
    for (auto& arg : args) {
      if (arg == "IN") {
        arg = c.input ? dir.write("m.sub", c.input) : dir.file("m.sub");
      }
    }
    const auto run = RunCliProcess(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(dir.names(), c.input && std::find(c.args.begin(), c.args.end(), "IN") != c.args.end()
                               ? std::vector<std::string>{"m.sub"}
                               : std::vector<std::string>{});
  }
}

// "--" ends the options: a file name after it may start with "--", and "-" is a character.
TEST(Cli, FileNamesAfterDoubleDash) {
  TempDir dir;
  dir.write("--x.sub", "{1}{2}-a! b\r\n");
  const auto run =
      RunCliProcess({"delete-comments", "--begin", "-", "--end=!", "--", "--x.sub"}, "", [&] {
        if (chdir(dir.path().c_str()) != 0) {
          _exit(127);
        }
      });
  EXPECT_EQ(run.out, "The comments are deleted.\nNumber of deleted comments: 1\n");
  EXPECT_EQ(dir.read("--x - without comments.sub"), "{1}{2}b\r\n");
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
  const auto run = RunCliProcess(
      {"synchronize", "--shift", "10", dir.write("m.sub", "{1}{2}a\r\n")}, "/dev/full");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("cannot write"), std::string::npos);
}

// probe tells the encoding, recode writes UTF-8, and an undecodable byte names its line.
TEST(Cli, TextEncodings) {
  TempDir dir;
  const std::string input = dir.write("m.sub", "{1}{2}\xCF\xF0\xE8\xE2\xE5\xF2\r\n");
  const auto probe = RunCliProcess({"probe", "--input-encoding", "windows-1251", input});
  EXPECT_EQ(probe.out, "MicroDVD subtitle (windows-1251)\n");
  const auto recode = RunCliProcess({"recode", "--input-encoding", "cp1251", input});
  EXPECT_EQ(recode.exitCode, 0) << recode.err;
  EXPECT_EQ(dir.read("m - UTF-8.sub"),
            "{1}{2}\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\r\n");
  dir.write("m.sub", "{1}{2}a\r\n{3}{4}\x98\r\n");
  const auto failed =
      RunCliProcess({"convert", "--utf8", "--input-encoding", "windows-1251", input});
  EXPECT_EQ(failed.exitCode, 2);
  EXPECT_NE(failed.err.find("Line 2 holds the byte 0x98, which is no windows-1251 text"),
            std::string::npos)
      << failed.err;
  EXPECT_FALSE(dir.exists("m - SubRip.srt"));
}

}  // namespace
}  // namespace lumetra
