#include "operations/convert.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "operations/operation_params.h"
#include "operations/recording_view.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::Params;
using testing::RecordingView;
using testing::TempDir;

constexpr const char* kRates[] = {"23.976", "24", "25", "29.97", "30"};

struct ExampleCase {
  const char* inputName;
  const char* input;
  SubtitleFormat to;
  int shiftMs;
  const char* outputName;
  const char* output;
};

// At 25 frames per second; a success replaces an earlier output of the same name.
TEST(Convert, WorkedExamples) {
  const ExampleCase cases[] = {
      {"movie.sub", "{25}{75}Hello|world\r\n{100}{150}Bye\r\n", SubtitleFormat::SubRip, 0,
       "movie - SubRip.srt",
       "1\r\n00:00:01,000 --> 00:00:03,000\r\nHello\r\nworld\r\n\r\n"
       "2\r\n00:00:04,000 --> 00:00:06,000\r\nBye\r\n"},
      {"movie.srt", "1\r\n00:00:01,500 --> 00:00:04,000\r\nHello\r\nworld\r\n",
       SubtitleFormat::MicroDvd, 0, "movie - MicroDVD.sub", "{38}{100}Hello|world\r\n"},
      {"movie.sub", "{25}{}Hi\r\n", SubtitleFormat::SubRip, 0, "movie - SubRip.srt",
       "1\r\n00:00:01,000 --> 00:00:00,000\r\nHi\r\n"},
      // The shift on the Synchronize tab, held at 0.
      {"movie.sub", "{25}{75}x\r\n", SubtitleFormat::SubRip, 1000, "movie - SubRip.srt",
       "1\r\n00:00:02,000 --> 00:00:04,000\r\nx\r\n"},
      {"movie.srt", "1\r\n00:00:01,000 --> 00:00:03,000\r\nx\r\n", SubtitleFormat::MicroDvd, -2000,
       "movie - MicroDVD.sub", "{0}{25}x\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.inputName) + ": " + c.input);
    TempDir dir;
    const auto input = dir.write(c.inputName, c.input);
    dir.write(c.outputName, "earlier output");
    RecordingView view;
    Convert(Params(input, c.to), c.shiftMs, view);
    EXPECT_EQ(view.lastText(), "The subtitle is converted.");
    EXPECT_EQ(dir.read(c.outputName), c.output);
  }
}

// Whole milliseconds move a time by at most half a millisecond, far less than half a frame,
// so MicroDVD -> SubRip -> MicroDVD gives every frame number back.
TEST(Convert, RoundTripGivesBackEveryFrame) {
  std::string original;
  for (long frame = 0; frame < 30000; frame += 7) {
    original += "{" + std::to_string(frame) + "}{" + std::to_string(frame + 3) + "}t|u\r\n";
  }
  for (long frame = 1000000; frame < 1000300; ++frame) {
    original += "{" + std::to_string(frame) + "}{}v\r\n";
  }
  // Just under 100 hours at 23.976, the most a SubRip time can hold and be read back.
  original += "{8600000}{8631000}w\r\n";
  for (const char* rateText : kRates) {
    SCOPED_TRACE(rateText);
    const double rate = std::stod(rateText);
    TempDir dir;
    const auto input = dir.write("film.sub", original);
    RecordingView view;
    Convert(Params(input, SubtitleFormat::SubRip, rate), 0, view);
    Convert(Params(dir.file("film - SubRip.srt"), SubtitleFormat::MicroDvd, rate), 0, view);
    ASSERT_TRUE(view.completed()) << view.lastText();
    // An entry without an end goes out as 00:00:00,000 and comes back without one.
    EXPECT_TRUE(testing::ReadFile(dir.file("film - SubRip - MicroDVD.sub")) == original);
  }
}

}  // namespace
}  // namespace lumetra
