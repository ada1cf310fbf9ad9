// Convert between SubRip and WebVTT, and the operations that refuse a format without frames.

#include <gtest/gtest.h>

#include <string>

#include "operations/change_frame_rate.h"
#include "operations/convert.h"
#include "operations/recording_view.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;

struct RoundTripCase {
  const char* name;
  const char* subRip;
};

const RoundTripCase kRoundTrips[] = {
    {"two blocks",
     "1\r\n00:00:01,000 --> 00:00:02,500\r\nHello\r\nworld\r\n\r\n"
     "2\r\n01:02:03,004 --> 01:02:04,000\r\nBye\r\n"},
    {"kept tags and characters to escape",
     "1\r\n00:00:01,000 --> 00:00:02,000\r\n<i>Tom & Jerry</i> <b>-></b> <u>x</u> a<b\r\n"},
    {"other tags stay text",
     "1\r\n00:00:01,000 --> 00:00:02,000\r\n<font color=\"red\">x</font>\r\n"},
    {"UTF-8 text", "1\r\n00:00:01,000 --> 00:00:02,000\r\nZażółć gęślą jaźń 漢字\r\n"},
    {"hundred hours", "1\r\n100:00:00,001 --> 100:00:01,000\r\nlate\r\n"},
};

TEST(WebVttConvert, SubRipThroughWebVttComesBackTheSame) {
  TempDir dir;
  for (const RoundTripCase& c : kRoundTrips) {
    CommonParams params;
    params.inputPath = dir.write("movie.srt", c.subRip);
    params.outputFormat = SubtitleFormat::WebVtt;
    RecordingView toWebVtt;
    Convert(params, 0, toWebVtt);
    ASSERT_TRUE(toWebVtt.completed()) << c.name << ": " << toWebVtt.lastText();
    ASSERT_TRUE(dir.read("movie - WebVTT.vtt").starts_with("WEBVTT\r\n\r\n")) << c.name;

    params.inputPath = dir.file("movie - WebVTT.vtt");
    params.outputFormat = SubtitleFormat::SubRip;
    RecordingView back;
    Convert(params, 0, back);
    EXPECT_EQ(dir.read("movie - WebVTT - SubRip.srt"), c.subRip) << c.name;
  }
}

TEST(WebVttConvert, IsRefusedWhereFramesAreNeededOrNothingChanges) {
  TempDir dir;
  const std::string input =
      dir.write("movie.vtt", "WEBVTT\r\n\r\n00:01.000 --> 00:02.000\r\nx\r\n");
  RecordingView same;
  Convert({input, 25, SubtitleFormat::WebVtt, false, false, {}, {}}, 0, same);
  EXPECT_EQ(same.lastText(), "The output format is the same as the input format!");

  RecordingView rate;
  ChangeFrameRate({input, "25", "23.976", '.', false, false, {}, {}}, rate);
  EXPECT_EQ(rate.lastText(), "You can not change the framerate of a WebVTT-file");
  EXPECT_EQ(dir.names().size(), 1u);
}

}  // namespace
}  // namespace lumetra
