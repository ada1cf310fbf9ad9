#include "operations/synchronize.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "operations/recording_view.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;

CommonParams Params(const std::string& input, double rate = 25,
                    SubtitleFormat out = SubtitleFormat::MicroDvd) {
  CommonParams params;
  params.inputPath = input;
  params.frameRate = rate;
  params.outputFormat = out;
  return params;
}

struct ShiftCase {
  const char* name;
  double rate;
  SubtitleFormat output;
  int shift;
  const char* input;
  const char* expected;
  const char* outputName;
};

class SynchronizeExamples : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(SynchronizeExamples, WritesShiftedEntries) {
  const ShiftCase& c = GetParam();
  TempDir dir;
  const bool subrip = c.input[0] == '1';
  const std::string input = dir.write(subrip ? "movie.srt" : "movie.sub", c.input);
  RecordingView view;
  const OperationResult result = Synchronize(Params(input, c.rate, c.output), c.shift, view);
  ASSERT_EQ(result.outcome, Outcome::Completed) << c.name;
  EXPECT_EQ(dir.read(c.outputName), c.expected) << c.name;
  EXPECT_EQ(dir.read(input), c.input) << "the input is never changed";
}

const SubtitleFormat kSub = SubtitleFormat::MicroDvd;
const SubtitleFormat kSrt = SubtitleFormat::SubRip;

INSTANTIATE_TEST_SUITE_P(
    Examples, SynchronizeExamples,
    ::testing::Values(
        ShiftCase{"microdvd at 25", 25, kSub, 1500, "{1000}{1100}Hi\r\n{100}{}Hi\r\n",
                  "{1037}{1137}Hi\r\n{137}{}Hi\r\n", "movie - synchronized.sub"},
        ShiftCase{"microdvd at 23.976", 23.976, kSub, 1500, "{1000}{1100}Hi\r\n",
                  "{1035}{1135}Hi\r\n", "movie - synchronized.sub"},
        ShiftCase{"subrip", 25, kSrt, 1500, "1\r\n00:00:01,000 --> 00:00:02,500\r\nx\r\n",
                  "1\r\n00:00:02,500 --> 00:00:04,000\r\nx\r\n", "movie - synchronized.srt"},
        ShiftCase{"held at zero", 25, kSrt, -2000, "1\r\n00:00:01,000 --> 00:00:03,000\r\nx\r\n",
                  "1\r\n00:00:00,000 --> 00:00:01,000\r\nx\r\n", "movie - synchronized.srt"},
        ShiftCase{"both times below zero", 25, kSub, -30000, "{10}{20}a\r\n{900}{}b\r\n",
                  "{0}{}a\r\n{150}{}b\r\n", "movie - synchronized.sub"},
        ShiftCase{"shift then convert, gaps in numbers", 25, kSrt, 1000,
                  "{25}{75}a\n\n{100}{150}b\n",
                  "1\r\n00:00:02,000 --> 00:00:04,000\r\na\r\n\r\n"
                  "3\r\n00:00:05,000 --> 00:00:07,000\r\nb\r\n",
                  "movie - synchronized.srt"},
        ShiftCase{"byte-order mark kept", 25, kSrt, 1000,
                  "\xEF\xBB\xBF"
                  "1\r\n00:00:01,000 --> 00:00:02,000\r\n\xC3\xA9t\xC3\xA9\r\n",
                  "\xEF\xBB\xBF"
                  "1\r\n00:00:02,000 --> 00:00:03,000\r\n\xC3\xA9t\xC3\xA9\r\n",
                  "movie - synchronized.srt"}));

TEST(Synchronize, ShowsBusyThenRestoresThenWritesBackThenReports) {
  TempDir dir;
  const std::string input = dir.write("my film.sub", "{1}{2}a\r\n");
  CommonParams params = Params(input, 25, kSrt);
  params.outputAsInput = true;
  RecordingView view;
  const OperationResult result = Synchronize(params, 100, view);
  const std::string output = dir.file("my film - synchronized.srt");
  EXPECT_EQ(view.events, (std::vector<std::string>{
                             "busy:Lumetra 2.6 - Written by Taviel - synchronizing...", "rest",
                             "source:" + output, "info:SubRip subtitle", "shift:0", "message"}));
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "The subtitle is synchronized.");
  EXPECT_EQ(view.messages[0].title, "Lumetra 2.6 - Written by Taviel");
  EXPECT_EQ(view.messages[0].icon, MessageIcon::None);
  EXPECT_EQ(result.newSource, output);
}

TEST(Synchronize, DeletesTheSourceWhenAsked) {
  TempDir dir;
  const std::string input = dir.write("m.sub", "{1}{2}a\r\n");
  CommonParams params = Params(input);
  params.deleteSource = true;
  params.outputAsInput = true;
  RecordingView view;
  const OperationResult result = Synchronize(params, 100, view);
  EXPECT_FALSE(dir.exists("m.sub"));
  EXPECT_EQ(result.newSource, dir.file("m - synchronized.sub"));
  EXPECT_EQ(view.events[2], "source:");
}

struct RefusalCase {
  const char* name;
  bool withInput;
  int shift;
  const char* text;
};

TEST(Synchronize, RefusalsOpenNothing) {
  for (const RefusalCase& c :
       {RefusalCase{"no input", false, 100, "Select a subtitle!"},
        RefusalCase{"no input, no shift", false, 0, "Select a subtitle!"},
        RefusalCase{"no shift", true, 0, "0 seconds set: unnecessary to synchronize"}}) {
    TempDir dir;
    const std::string input = c.withInput ? dir.write("m.sub", "{1}{2}a\r\n") : "";
    RecordingView view;
    const OperationResult result = Synchronize(Params(input), c.shift, view);
    EXPECT_EQ(result.outcome, Outcome::Refused) << c.name;
    EXPECT_EQ(view.events, std::vector<std::string>{"message"}) << c.name;
    EXPECT_EQ(view.messages[0].text, c.text) << c.name;
    EXPECT_EQ(view.messages[0].icon, MessageIcon::Critical) << c.name;
    EXPECT_EQ(dir.names().size(), c.withInput ? 1u : 0u) << c.name;
  }
}

struct FailureCase {
  const char* name;
  const char* content;  // nullptr: the input does not exist
  Outcome outcome;
  const char* text;
  long line;
};

class SynchronizeFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(SynchronizeFailures, LeaveNoOutputAndKeepAnEarlierOne) {
  const FailureCase& c = GetParam();
  TempDir dir;
  const std::string input = c.content ? dir.write("m.sub", c.content) : dir.file("m.sub");
  dir.write("m - synchronized.sub", "earlier result");
  RecordingView view;
  const OperationResult result = Synchronize(Params(input), 100, view);
  EXPECT_EQ(result.outcome, c.outcome) << c.name;
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, std::string("An error has occurred!\r\r") + c.text) << c.name;
  EXPECT_EQ(view.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(view.events.back(), "rest") << "the window is restored after the message";
  EXPECT_EQ(result.failureLine, c.line) << c.name;
  EXPECT_EQ(dir.read("m - synchronized.sub"), "earlier result") << c.name;
  EXPECT_EQ(dir.names().size(), c.content ? 2u : 1u) << c.name << ": no temporary file";
}

INSTANTIATE_TEST_SUITE_P(
    ErrorTail, SynchronizeFailures,
    ::testing::Values(
        FailureCase{"format failure midway", "{1}{2}a\r\n{3}{4}b\r\n{5}{x}c\r\n{7}{8}d\r\n",
                    Outcome::FormatFailure,
                    "The selected file is no subtitle (or is an unkown format)", 3},
        FailureCase{"missing input", nullptr, Outcome::OtherFailure, "Error 53 : File not found",
                    0},
        FailureCase{"empty input", "", Outcome::OtherFailure, "Error 62 : Input past end of file",
                    1},
        FailureCase{"unknown format", "Hello\r\n", Outcome::OtherFailure,
                    "Error 321 : The file is neither a MicroDVD nor a SubRip subtitle", 0}));

TEST(Synchronize, AWriteThatFailsMidwayLeavesNothingBehind) {
  TempDir dir;
  std::string content;
  for (int i = 0; i < 20000; ++i) {
    content += "{" + std::to_string(i * 10) + "}{" + std::to_string(i * 10 + 5) + "}text\r\n";
  }
  const std::string input = dir.write("m.sub", content);
  dir.write("m - synchronized.sub", "earlier result");
  // A file-size limit makes every write past 64 KiB fail, as a full disk would.
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit limit = old;
  limit.rlim_cur = 64 * 1024;
  signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limit);
  RecordingView view;
  const OperationResult result = Synchronize(Params(input), 100, view);
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(result.outcome, Outcome::OtherFailure);
  EXPECT_EQ(result.failureNumber, 61);
  EXPECT_EQ(dir.read("m - synchronized.sub"), "earlier result");
  EXPECT_EQ(dir.read("m.sub"), content);
  EXPECT_EQ(dir.names().size(), 2u);
}

}  // namespace
}  // namespace lumetra
