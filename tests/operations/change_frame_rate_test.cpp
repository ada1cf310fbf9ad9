#include "operations/change_frame_rate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "operations/recording_view.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;

ChangeFrameRateParams Params(const std::string& input, const std::string& current,
                             const std::string& next) {
  ChangeFrameRateParams params;
  params.inputPath = input;
  params.currentRateText = current;
  params.newRateText = next;
  return params;
}

struct RateCase {
  const char* current;
  const char* next;
  const char* input;
  const char* output;
};

// Halves (24 -> 25: 12.5, 37.5) go to the even neighbour.
TEST(ChangeFrameRate, RescalesAtEveryRate) {
  const RateCase cases[] = {
      {"25", "23.976", "{1000}{1100}Hello|world\r\n{1000}{}Hi\r\n",
       "{959}{1055}Hello|world\r\n{959}{}Hi\r\n"},
      {"25", "30", "{1000}{2000}a\r\n", "{1200}{2400}a\r\n"},
      {"23.976", "25", "{959}{1055}x\r\n{1000}{}a\r\n", "{1000}{1100}x\r\n{1043}{}a\r\n"},
      {"24", "25", "{12}{36}a\r\n", "{12}{38}a\r\n"},
      {"29.97", "25", "{1000}{1}a\r\n", "{834}{1}a\r\n"},
      {"30", "25", "{1000}{0}a\r\n", "{833}{}a\r\n"},
      // Short lines are dropped, everything else keeps its order.
      {"25", "30", "{25}{50}one\r\n\r\n{1}\r\nab\r\n{}{}x\r\n{1}}\r\n{50}{75}a}b|c\r\n",
       "{30}{60}one\r\n{0}{}x\r\n{1}{}\r\n{60}{90}a}b|c\r\n"},
      {"25", "30", "{25}{50}a\n{50}{75}b\r{75}{100}c", "{30}{60}a\r\n{60}{90}b\r\n{90}{120}c\r\n"},
      {"25", "23.976", "\xEF\xBB\xBF{1000}{1100}x\r\n", "\xEF\xBB\xBF{959}{1055}x\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.current) + " -> " + c.next + ": " + c.input);
    TempDir dir;
    const auto input = dir.write("in.sub", c.input);
    RecordingView view;
    ChangeFrameRate(Params(input, c.current, c.next), view);
    ASSERT_TRUE(view.completed()) << view.lastText();
    EXPECT_EQ(dir.read(std::string("in - ") + c.next + "fps.sub"), c.output);
  }
}

struct NameCase {
  const char* input;
  const char* newRate;
  char separator;
  const char* output;
};

// The output keeps the input's own extension (a name without one gets none) and replaces an
// earlier output; the source is deleted after success when asked.
TEST(ChangeFrameRate, NamesTheOutputAfterTheNewRate) {
  const NameCase cases[] = {
      {"movie.sub", "25", '.', "movie - 25fps.sub"},
      {"movie.txt", "25", '.', "movie - 25fps.txt"},
      {"movie", "25", '.', "movie - 25fps"},
      {"film.subtitle", "24", '.', "film - 24fps.subtitle"},
      {"movie.sub", "23.976", ',', "movie - 23,976fps.sub"},
      {"movie.sub", "30", '.', "movie - 30fps.sub"},
      {"my film.v2.sub", "30", '.', "my film.v2 - 30fps.sub"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    TempDir dir;
    const auto input = dir.write(c.input, "{1}{2}x\r\n");
    dir.write(c.output, "earlier output");
    ChangeFrameRateParams params = Params(input, "29.97", c.newRate);
    params.decimalSeparator = c.separator;
    params.deleteSource = true;
    RecordingView view;
    ChangeFrameRate(params, view);
    ASSERT_TRUE(view.completed()) << view.lastText();
    EXPECT_NE(dir.read(c.output), "earlier output");
    EXPECT_EQ(dir.names(), std::vector<std::string>{c.output});
  }
}

}  // namespace
}  // namespace lumetra
