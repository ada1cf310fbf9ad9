#include <gtest/gtest.h>

#include "operations/operation_params.h"
#include "operations/recording_view.h"
#include "operations/split.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;

using testing::kSrt;
using testing::kSub;
constexpr const char* kFourEntries =
    "{100}{200}A\r\n{950}{1050}B\r\n{1200}{1300}C\r\n{2500}{2600}D\r\n";

struct SplitCase {
  const char* name;
  const char* input;  // written as movie.sub or movie.srt by its first character
  SubtitleFormat output;
  double frames;    // F
  double segments;  // N
  double rate;
  std::vector<std::string> expected;  // content of "movie - 1", "movie - 2", ...
};

// A segment from an earlier run is replaced; nothing else is left in the folder.
TEST(SplitTest, WritesEachSegment) {
  // clang-format off
  const SplitCase cases[] = {
      {"cut once at the last segment", kFourEntries, kSub, 1000, 2, 25,
       {"{100}{200}A\r\n{950}{1050}B\r\n", "{0}{50}B\r\n{200}{300}C\r\n{1500}{1600}D\r\n"}},
      {"three segments", kFourEntries, kSub, 1000, 3, 25,
       {"{100}{200}A\r\n{950}{1050}B\r\n", "{0}{50}B\r\n{200}{300}C\r\n", "{500}{600}D\r\n"}},
      {"SubRip output ends a spanning block at the cut", kFourEntries, kSrt, 1000, 2, 25,
       {"1\r\n00:00:04,000 --> 00:00:08,000\r\nA\r\n\r\n"
        "2\r\n00:00:38,000 --> 00:00:40,000\r\nB\r\n\r\n",
        "1\r\n00:00:00,000 --> 00:00:02,000\r\nB\r\n\r\n"
        "2\r\n00:00:08,000 --> 00:00:12,000\r\nC\r\n\r\n"
        "3\r\n00:01:00,000 --> 00:01:04,000\r\nD\r\n"}},
      {"SubRip input cuts in milliseconds",
       "1\r\n01:59:59,000 --> 02:00:03,000\r\nCut\r\n\r\n"
       "2\r\n02:00:04,000 --> 02:00:05,500\r\nAfter\r\n", kSrt, 180000, 2, 25,
       {"1\r\n01:59:59,000 --> 02:00:00,000\r\nCut\r\n\r\n",
        "1\r\n00:00:00,000 --> 00:00:03,000\r\nCut\r\n\r\n"
        "2\r\n00:00:04,000 --> 00:00:05,500\r\nAfter\r\n"}},
      {"ends before the first cut", "{100}{200}A\r\n{300}{400}B\r\n", kSub, 1000, 2, 25,
       {"{100}{200}A\r\n{300}{400}B\r\n"}},
      {"a long gap leaves empty parts",
       "{100}{200}A\r\n{3500}{3600}B\r\n{3700}{3800}C\r\n", kSub, 1000, 5, 25,
       {"{100}{200}A\r\n", "", "", "{500}{600}B\r\n{700}{800}C\r\n"}},
      {"every part declares the frame rate", "{1}{1}25\r\n{100}{200}A\r\n{1200}{1300}C\r\n",
       kSub, 1000, 2, 25, {"{1}{1}25\r\n{100}{200}A\r\n", "{1}{1}25\r\n{200}{300}C\r\n"}},
      // At 23.976 fps 100006 frames make a segment of 100005 frames.
      {"segment length rounded down after the division",
       "{100004}{100005}A\r\n{100005}{100010}B\r\n", kSub, 100006, 2, 23.976,
       {"{100004}{100005}A\r\n", "{0}{5}B\r\n"}},
      {"an entry across two cuts is in every part it reaches",
       "{900}{3200}Long\r\n{3300}{3400}After\r\n", kSub, 1000, 4, 25,
       {"{900}{3200}Long\r\n", "{0}{2200}Long\r\n", "{0}{1200}Long\r\n",
        "{0}{200}Long\r\n{300}{400}After\r\n"}},
      {"SubRip parts of an entry across two cuts end at each cut",
       "{900}{2100}Long\r\n", kSrt, 1000, 3, 25,
       {"1\r\n00:00:36,000 --> 00:00:40,000\r\nLong\r\n",
        "1\r\n00:00:00,000 --> 00:00:40,000\r\nLong\r\n",
        "1\r\n00:00:00,000 --> 00:00:04,000\r\nLong\r\n"}},
      // Two speakers: the second entry starts before the cut but is read after the first one
      // ran across it.
      {"overlapping entries across the cut are in both parts",
       "{900}{1020}A\r\n{950}{1100}B\r\n{1200}{1300}C\r\n", kSub, 1000, 2, 25,
       {"{900}{1020}A\r\n{950}{1100}B\r\n", "{0}{20}A\r\n{0}{100}B\r\n{200}{300}C\r\n"}},
      {"SubRip numbers the rests of overlapping entries first",
       "{900}{1020}A\r\n{950}{1100}B\r\n{1200}{1300}C\r\n", kSrt, 1000, 2, 25,
       {"1\r\n00:00:36,000 --> 00:00:40,000\r\nA\r\n\r\n"
        "2\r\n00:00:38,000 --> 00:00:40,000\r\nB\r\n\r\n",
        "1\r\n00:00:00,000 --> 00:00:00,800\r\nA\r\n\r\n"
        "2\r\n00:00:00,000 --> 00:00:04,000\r\nB\r\n\r\n"
        "3\r\n00:00:08,000 --> 00:00:12,000\r\nC\r\n"}},
      {"the rests of the last entries begin the next part",
       "{900}{1020}A\r\n{950}{2100}B\r\n", kSub, 1000, 3, 25,
       {"{900}{1020}A\r\n{950}{2100}B\r\n", "{0}{20}A\r\n{0}{1100}B\r\n", "{0}{100}B\r\n"}},
      {"the last part keeps the rest of a long entry", "{900}{3200}Long\r\n", kSub, 1000, 2, 25,
       {"{900}{3200}Long\r\n", "{0}{2200}Long\r\n"}},
      // An entry ending exactly at the cut stays in its segment only.
      {"ending at the cut", "{900}{1000}E\r\n{1100}{1200}F\r\n", kSub, 1000, 2, 25,
       {"{900}{1000}E\r\n", "{100}{200}F\r\n"}},
      // An entry without an end is placed by its start and keeps no end.
      {"entry without end placed by its start", "{100}{}A\r\n{1500}{}B\r\n{2600}{}C\r\n", kSub,
       1000, 2, 25, {"{100}{}A\r\n", "{500}{}B\r\n{1600}{}C\r\n"}},
      {"entry without end never spans", "{999}{}A\r\n{1000}{}B\r\n", kSub, 1000, 2, 25,
       {"{999}{}A\r\n", "{0}{}B\r\n"}},
      // Times before the segment's start are written as 0.
      {"negative times written as zero", "{1500}{1600}A\r\n{500}{1200}B\r\n{500}{600}C\r\n",
       kSub, 1000, 2, 25, {"", "{500}{600}A\r\n{0}{200}B\r\n{0}{0}C\r\n"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    CommonParams params;
    params.inputPath = dir.write(c.input[0] == '1' ? "movie.srt" : "movie.sub", c.input);
    params.outputFormat = c.output;
    params.frameRate = c.rate;
    const std::string extension = c.output == kSrt ? ".srt" : ".sub";
    dir.write("movie - 1" + extension, "earlier run\r\n");
    RecordingView view;
    Split(params, SplitParams{c.segments, c.frames}, view);
    ASSERT_EQ(view.lastText(),
              "The subtitle is split.\r\rNumber of segments: " + std::to_string(c.expected.size()));
    for (std::size_t k = 0; k < c.expected.size(); ++k) {
      const std::string name = "movie - " + std::to_string(k + 1) + extension;
      EXPECT_EQ(dir.read(name), c.expected[k]) << name;
    }
    EXPECT_EQ(dir.names().size(), c.expected.size() + 1) << "no other file, no temporary file";
  }
}

// Every segment is named after the output format, not the input's extension.
TEST(SplitTest, EverySegmentCarriesTheOutputExtensionAndTheByteOrderMark) {
  TempDir dir;
  CommonParams params;
  params.inputPath = dir.write("movie.txt", std::string("\xEF\xBB\xBF") + kFourEntries);
  params.outputFormat = kSrt;
  RecordingView view;
  Split(params, SplitParams{3, 1000}, view);
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"movie - 1.srt", "movie - 2.srt",
                                                   "movie - 3.srt", "movie.txt"}));
  for (int k = 1; k <= 3; ++k) {
    EXPECT_TRUE(dir.read("movie - " + std::to_string(k) + ".srt")
                    .starts_with("\xEF\xBB\xBF"
                                 "1\r\n"));
  }
}

TEST(SplitTest, AFailureInALaterPartLeavesEveryEarlierFileAsItWas) {
  TempDir dir;
  CommonParams params;
  params.inputPath = dir.write("movie.sub", "{100}{200}A\r\n{1200}{1300}C\r\n{2400}{25x0}Bad\r\n");
  dir.write("movie - 1.sub", "earlier run 1\r\n");
  dir.write("movie - 2.sub", "earlier run 2\r\n");
  RecordingView view;
  Split(params, SplitParams{3, 1000}, view);
  EXPECT_EQ(view.messages[0].inputLine, 3);
  EXPECT_EQ(dir.read("movie - 1.sub"), "earlier run 1\r\n");
  EXPECT_EQ(dir.read("movie - 2.sub"), "earlier run 2\r\n");
  EXPECT_EQ(dir.names().size(), 3u);
  EXPECT_EQ(view.events,
            (std::vector<std::string>{"busy:Lumetra 2.6 - Written by Taviel - splitting...",
                                      "message", "rest"}));
  EXPECT_EQ(view.messages[0].text,
            "An error has occurred!\r\rThe selected file is no subtitle (or is an unkown format)");
}

}  // namespace
}  // namespace lumetra
