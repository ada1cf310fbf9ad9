#include <gtest/gtest.h>

#include "operations/end_frame_scan.h"
#include "operations/guess_frame_rate.h"
#include "operations/operation_result.h"
#include "subtitle/subtitle_error.h"
#include "support/temp_dir.h"
#include "view_log.h"

namespace lumetra {
namespace {

using testing::TempDir;
using testing::ViewLog;

struct LineCase {
  const char* line;
  std::optional<double> end;
};

class GuessEndFrameTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(GuessEndFrameTest, ReadsOnlyUsableLines) {
  EXPECT_EQ(GuessEndFrame(GetParam().line, 1), GetParam().end) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GuessEndFrameTest,
    ::testing::Values(LineCase{"{171000}{172800}Goodbye", 172800.0},
                      LineCase{"{abc}{200}x", 200.0},  // the start is not looked at
                      LineCase{"[100}[200}x", 200.0},  // nor the brackets around it
                      LineCase{"{}{7}x", 7.0}, LineCase{"{1}", std::nullopt},
                      LineCase{"", std::nullopt}, LineCase{"{100", std::nullopt},
                      LineCase{"{100}{}Hi", std::nullopt}, LineCase{"{100}{200", std::nullopt},
                      LineCase{"{100}{200}", std::nullopt}, LineCase{"{100}x", std::nullopt},
                      LineCase{"Hello there", std::nullopt}));

TEST(GuessEndFrameTest, ANonDigitInTheEndIsAFormatFailure) {
  try {
    GuessEndFrame("{100}{2x0}Hi", 7);
    FAIL() << "no failure";
  } catch (const SubtitleError& error) {
    EXPECT_EQ(error.kind(), SubtitleError::Kind::Format);
    EXPECT_EQ(error.line(), 7);
  }
}

struct GuessCase {
  const char* input;
  double length;
  std::optional<int> correction;
  char separator;
  const char* shown;
};

class GuessFrameRateResultTest : public ::testing::TestWithParam<GuessCase> {};

TEST_P(GuessFrameRateResultTest, ShowsTheRoundedResult) {
  const GuessCase& c = GetParam();
  TempDir dir;
  GuessFrameRateParams params;
  params.inputPath = dir.write("movie.sub", c.input);
  params.lengthText = "x";
  params.lengthSeconds = c.length;
  params.correctionMinutes = c.correction;
  params.decimalSeparator = c.separator;
  ViewLog view;
  const OperationResult result = GuessFrameRate(params, view);
  ASSERT_EQ(result.outcome, Outcome::Completed) << result.failureDescription;
  ASSERT_TRUE(result.message.has_value());
  EXPECT_EQ(result.message->text, std::string("Calculated framerate: ") + c.shown + " fps");
  EXPECT_EQ(result.message->title, "Lumetra 2.6");
  EXPECT_EQ(result.message->icon, MessageIcon::None);
}

constexpr const char* kFilm = "{100}{200}Hello\r\n{171000}{172800}Goodbye\r\n";

INSTANTIATE_TEST_SUITE_P(
    Examples, GuessFrameRateResultTest,
    ::testing::Values(
        GuessCase{kFilm, 7200, std::nullopt, '.', "24"},
        GuessCase{kFilm, 7200, 4, '.', "23.226"},  // 172800 / 7440
        GuessCase{kFilm, 7200, 4, ',', "23,226"}, GuessCase{kFilm, 7200, 0, '.', "24"},
        GuessCase{kFilm, 7200.9, std::nullopt, '.', "24"},  // the length is rounded down
        GuessCase{"{0}{49}x\r\n", 2, std::nullopt, '.', "24.5"},
        // Exact halves go to the even neighbour.
        GuessCase{"{0}{1}x\r\n", 2000, std::nullopt, '.', "0"},
        GuessCase{"{0}{3}x\r\n", 2000, std::nullopt, '.', "0.002"},
        GuessCase{"{0}{5}x\r\n", 2000, std::nullopt, '.', "0.002"},
        GuessCase{"{0}{7}x\r\n", 2000, std::nullopt, '.', "0.004"},
        // The last usable line counts, not the largest end, and unusable lines are skipped.
        GuessCase{"{0}{3000}x\r\n{10}{2400}y\r\n\r\n{1}\r\n{5}{}z\r\n", 100, std::nullopt, '.',
                  "24"},
        GuessCase{"{\r\n", 7200, std::nullopt, '.', "0"},
        GuessCase{"\xEF\xBB\xBF{1}{2500}x\n", 100, std::nullopt, '.', "25"}));

TEST(GuessFrameRateTest, ShowsTheResultAfterTheWindowIsRestoredThenDeletesTheSource) {
  TempDir dir;
  GuessFrameRateParams params;
  params.inputPath = dir.write("movie.sub", kFilm);
  params.lengthText = "7200";
  params.lengthSeconds = 7200;
  params.deleteSource = true;
  ViewLog view;
  const OperationResult result = GuessFrameRate(params, view);
  ASSERT_EQ(result.outcome, Outcome::Completed);
  EXPECT_EQ(result.frameRate, 24.0);
  const std::vector<std::string> expected = {
      "busy Lumetra 2.6 - Written by Taviel - Guessing framerate...", "rest",
      "message Calculated framerate: 24 fps", "source "};
  EXPECT_EQ(view.events, expected);
  EXPECT_TRUE(dir.names().empty());
}

TEST(GuessFrameRateTest, SubRipIsRefusedWithTheInformationIcon) {
  TempDir dir;
  GuessFrameRateParams params;
  params.inputPath = dir.write("movie.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n");
  params.lengthText = "7200";
  params.lengthSeconds = 7200;
  params.deleteSource = true;
  ViewLog view;
  const OperationResult result = GuessFrameRate(params, view);
  EXPECT_EQ(result.outcome, Outcome::Refused);
  ASSERT_EQ(view.events.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "You can not guess the framerate of a SubRip subtitle");
  EXPECT_EQ(view.messages[0].title, "Lumetra 2.6 - Written by Taviel");
  EXPECT_EQ(view.messages[0].icon, MessageIcon::Information);
  EXPECT_TRUE(dir.exists("movie.srt"));
}

TEST(GuessFrameRateTest, UnknownInputEndsSilently) {
  TempDir dir;
  GuessFrameRateParams params;
  params.inputPath = dir.write("notes.txt", "Hello\r\n");
  params.lengthText = "7200";
  params.lengthSeconds = 7200;
  params.deleteSource = true;
  ViewLog view;
  const OperationResult result = GuessFrameRate(params, view);
  EXPECT_EQ(result.outcome, Outcome::Silent);
  EXPECT_FALSE(result.message.has_value());
  EXPECT_TRUE(view.events.empty());
  EXPECT_TRUE(dir.exists("notes.txt"));
}

TEST(GuessFrameRateTest, FormatFailureRestoresTheWindow) {
  TempDir dir;
  GuessFrameRateParams params;
  params.inputPath = dir.write("movie.sub", "{1}{2}a\r\n{100}{2x0}Hi\r\n{3}{4}b\r\n");
  params.lengthText = "7200";
  params.lengthSeconds = 7200;
  params.deleteSource = true;
  ViewLog view;
  const OperationResult result = GuessFrameRate(params, view);
  EXPECT_EQ(result.outcome, Outcome::FormatFailure);
  EXPECT_EQ(result.failureLine, 2);
  ASSERT_EQ(view.events.size(), 3u);
  EXPECT_EQ(view.events[2], "rest");
  EXPECT_TRUE(dir.exists("movie.sub"));
}

TEST(GuessFrameRateTest, EmptyAndMissingInputsFailBeforeTheBusyState) {
  TempDir dir;
  for (const std::string& path : {dir.write("empty.sub", ""), dir.file("missing.sub")}) {
    GuessFrameRateParams params;
    params.inputPath = path;
    params.lengthText = "7200";
    params.lengthSeconds = 7200;
    ViewLog view;
    EXPECT_EQ(GuessFrameRate(params, view).outcome, Outcome::OtherFailure) << path;
    EXPECT_EQ(view.events.size(), 1u);
  }
}

struct GuessRefusal {
  bool withInput;
  const char* lengthText;
  std::optional<double> length;
  std::optional<int> correction;
  const char* message;
};

class GuessFrameRateRefusalTest : public ::testing::TestWithParam<GuessRefusal> {};

TEST_P(GuessFrameRateRefusalTest, RefusesBeforeOpeningAnything) {
  const GuessRefusal& c = GetParam();
  TempDir dir;
  GuessFrameRateParams params;
  if (c.withInput) {
    params.inputPath = dir.write("movie.sub", kFilm);
  }
  params.lengthText = c.lengthText;
  params.lengthSeconds = c.length;
  params.correctionMinutes = c.correction;
  params.deleteSource = true;
  ViewLog view;
  const OperationResult result = GuessFrameRate(params, view);
  EXPECT_EQ(result.outcome, Outcome::Refused);
  ASSERT_EQ(view.events.size(), 1u);
  EXPECT_EQ(view.messages[0].text, c.message);
  EXPECT_EQ(view.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(dir.names().size(), c.withInput ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Preconditions, GuessFrameRateRefusalTest,
    ::testing::Values(GuessRefusal{false, "0", 0, std::nullopt, "Select a subtitle!"},
                      GuessRefusal{true, "0", 0, 4, "The length of the movie can't be 0!"},
                      GuessRefusal{true, "abc", std::nullopt, std::nullopt,
                                   "The length of the movie must numeric!"},
                      // A divisor of 0 can only come from outside the window.
                      GuessRefusal{true, "00", 0, std::nullopt,
                                   "The length of the movie can't be 0!"},
                      GuessRefusal{true, "0.5", 0.5, 0, "The length of the movie can't be 0!"}));

}  // namespace
}  // namespace lumetra
