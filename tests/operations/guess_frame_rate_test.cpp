#include <gtest/gtest.h>

#include "operations/end_frame_scan.h"
#include "operations/guess_frame_rate.h"
#include "operations/recording_view.h"
#include "subtitle/subtitle_error.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;

struct LineCase {
  const char* line;
  std::optional<double> end;
};

TEST(GuessEndFrameTest, ReadsOnlyUsableLines) {
  // clang-format off
  const LineCase cases[] = {
      {"{171000}{172800}Goodbye", 172800.0},
      {"{abc}{200}x", 200.0},  // the start is not looked at
      {"[100}[200}x", 200.0},  // nor the brackets around it
      {"{}{7}x", 7.0},      {"{1}", std::nullopt},       {"", std::nullopt},
      {"{100", std::nullopt}, {"{100}{}Hi", std::nullopt}, {"{100}{200", std::nullopt},
      {"{100}{200}", std::nullopt}, {"{100}x", std::nullopt}, {"Hello there", std::nullopt},
      {"{1}{-5}x", std::nullopt}};
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(GuessEndFrame(c.line, 1, "m.sub"), c.end) << c.line;
  }
}

TEST(GuessEndFrameTest, StopsAtANonDigitOrAnEndTooLargeToBeAFrame) {
  for (const auto& [line, number] :
       {std::pair{"{100}{2x0}Hi", 13}, std::pair{"{1}{1000000000000000}x", 6}}) {
    try {
      GuessEndFrame(line, 7, "m.sub");
      ADD_FAILURE() << "no failure for " << line;
    } catch (const SubtitleError& error) {
      EXPECT_EQ(error.number(), number);
      EXPECT_EQ(error.line(), 7);
    }
  }
}

struct GuessCase {
  const char* input;
  double length;
  std::optional<int> correction;
  char separator;
  const char* shown;
};

constexpr const char* kFilm = "{100}{200}Hello\r\n{171000}{172800}Goodbye\r\n";

TEST(GuessFrameRateTest, ShowsTheRoundedResult) {
  const auto none = std::nullopt;
  // clang-format off
  const GuessCase cases[] = {
      {kFilm, 7200, none, '.', "24"}, {kFilm, 7200, 0, '.', "24"},
      {kFilm, 7200, 4, '.', "24.828"},  // 172800 / 6960: the minutes without subtitles
      {kFilm, 7200, 4, ',', "24,828"},
      // A 23.976 fps film of 7200 s whose subtitles end 4 minutes early.
      {"{0}{166873}x\r\n", 7200, 4, '.', "23.976"},
      {kFilm, 241, 4, '.', "172800"},  // one second left
      {kFilm, 7200.9, none, '.', "24"},  // the length is rounded down
      {"{0}{49}x\r\n", 2, none, '.', "24.5"},
      // Exact halves go to the even neighbour.
      {"{0}{1}x\r\n", 2000, none, '.', "0"},     {"{0}{3}x\r\n", 2000, none, '.', "0.002"},
      {"{0}{5}x\r\n", 2000, none, '.', "0.002"}, {"{0}{7}x\r\n", 2000, none, '.', "0.004"},
      // The last usable line counts, not the largest end, and unusable lines are skipped.
      {"{0}{3000}x\r\n{10}{2400}y\r\n\r\n{1}\r\n{5}{}z\r\n", 100, none, '.', "24"},
      {"{\r\n", 7200, none, '.', "0"},
      {"\xEF\xBB\xBF{1}{2500}x\n", 100, none, '.', "25"},
      // A frame-rate line ends nothing.
      {"{1}{1}23.976\r\n", 100, none, '.', "0"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    TempDir dir;
    RecordingView view;
    GuessFrameRate(
        {dir.write("movie.sub", c.input), "x", c.length, c.correction, c.separator, false}, view);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, std::string("Calculated framerate: ") + c.shown + " fps");
    EXPECT_EQ(view.messages[0].title, "Lumetra 2.6");
    EXPECT_EQ(view.messages[0].icon, MessageIcon::None);
  }
}

}  // namespace
}  // namespace lumetra
