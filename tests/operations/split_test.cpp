#include <gtest/gtest.h>

#include "operations/split.h"
#include "support/temp_dir.h"
#include "view_log.h"

namespace lumetra {
namespace {

using testing::TempDir;
using testing::ViewLog;

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

class SplitTableTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTableTest, WritesEachSegment) {
  const SplitCase& c = GetParam();
  TempDir dir;
  const bool subRipInput = c.input[0] == '1';
  CommonParams params;
  params.inputPath = dir.write(subRipInput ? "movie.srt" : "movie.sub", c.input);
  params.outputFormat = c.output;
  params.frameRate = c.rate;
  ViewLog view;
  const OperationResult result = Split(params, SplitParams{c.segments, c.frames}, view);

  ASSERT_EQ(result.outcome, Outcome::Completed) << result.failureDescription;
  const std::string extension = c.output == SubtitleFormat::SubRip ? ".srt" : ".sub";
  ASSERT_EQ(result.count, static_cast<long long>(c.expected.size()));
  ASSERT_EQ(result.outputs.size(), c.expected.size());
  for (std::size_t k = 0; k < c.expected.size(); ++k) {
    const std::string name = "movie - " + std::to_string(k + 1) + extension;
    EXPECT_EQ(result.outputs[k], dir.file(name));
    EXPECT_EQ(dir.read(name), c.expected[k]) << name;
  }
  EXPECT_EQ(dir.names().size(), c.expected.size() + 1) << "no other file, no temporary file";
}

INSTANTIATE_TEST_SUITE_P(
    Segments, SplitTableTest,
    ::testing::Values(SplitCase{"CutOnceAtTheLastSegment",
                                kFourEntries,
                                SubtitleFormat::MicroDvd,
                                1000,
                                2,
                                25,
                                {"{100}{200}A\r\n{950}{1050}B\r\n",
                                 "{0}{50}B\r\n{200}{300}C\r\n{1500}{1600}D\r\n"}},
                      SplitCase{"ThreeSegments",
                                kFourEntries,
                                SubtitleFormat::MicroDvd,
                                1000,
                                3,
                                25,
                                {"{100}{200}A\r\n{950}{1050}B\r\n", "{0}{50}B\r\n{200}{300}C\r\n",
                                 "{500}{600}D\r\n"}},
                      SplitCase{"SubRipOutputEndsASpanningBlockAtTheCut",
                                kFourEntries,
                                SubtitleFormat::SubRip,
                                1000,
                                2,
                                25,
                                {"1\r\n00:00:04,000 --> 00:00:08,000\r\nA\r\n\r\n"
                                 "2\r\n00:00:38,000 --> 00:00:40,000\r\nB\r\n\r\n",
                                 "1\r\n00:00:00,000 --> 00:00:02,000\r\nB\r\n\r\n"
                                 "2\r\n00:00:08,000 --> 00:00:12,000\r\nC\r\n\r\n"
                                 "3\r\n00:01:00,000 --> 00:01:04,000\r\nD\r\n"}},
                      SplitCase{"SubRipInputCutsInMilliseconds",
                                "1\r\n01:59:59,000 --> 02:00:03,000\r\nCut\r\n\r\n"
                                "2\r\n02:00:04,000 --> 02:00:05,500\r\nAfter\r\n",
                                SubtitleFormat::SubRip,
                                180000,
                                2,
                                25,
                                {"1\r\n01:59:59,000 --> 02:00:00,000\r\nCut\r\n\r\n",
                                 "1\r\n00:00:00,000 --> 00:00:03,000\r\nCut\r\n\r\n"
                                 "2\r\n00:00:04,000 --> 00:00:05,500\r\nAfter\r\n"}},
                      SplitCase{"SubRipInputToMicroDvd",
                                "1\r\n00:00:39,000 --> 00:00:41,000\r\nCut\r\n",
                                SubtitleFormat::MicroDvd,
                                1000,
                                2,
                                25,
                                {"{975}{1025}Cut\r\n", "{0}{25}Cut\r\n"}},
                      SplitCase{"EndsBeforeTheFirstCut",
                                "{100}{200}A\r\n{300}{400}B\r\n",
                                SubtitleFormat::MicroDvd,
                                1000,
                                2,
                                25,
                                {"{100}{200}A\r\n{300}{400}B\r\n"}},
                      SplitCase{"AGapMovesAnEntryOneSegmentOnly",
                                "{100}{200}A\r\n{3500}{3600}B\r\n{3700}{3800}C\r\n",
                                SubtitleFormat::MicroDvd,
                                1000,
                                5,
                                25,
                                {"{100}{200}A\r\n", "{2500}{2600}B\r\n", "{1700}{1800}C\r\n"}},
                      // At 23.976 fps 100006 frames make a segment of 100005 frames.
                      SplitCase{"SegmentLengthIsRoundedDownAfterTheDivision",
                                "{100004}{100005}A\r\n{100005}{100010}B\r\n",
                                SubtitleFormat::MicroDvd,
                                100006,
                                2,
                                23.976,
                                {"{100004}{100005}A\r\n", "{0}{5}B\r\n"}},
                      // Skipped short lines still count in the block numbers of a segment.
                      SplitCase{"ShortLinesLeaveGapsInBlockNumbers",
                                "{25}{50}A\r\n\r\n{75}{100}B\r\n",
                                SubtitleFormat::SubRip,
                                1000,
                                2,
                                25,
                                {"1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n"
                                 "3\r\n00:00:03,000 --> 00:00:04,000\r\nB\r\n"}},
                      // Mended: an entry ending exactly at the cut stays in its segment only.
                      SplitCase{"EndingAtTheCutStaysInItsSegment",
                                "{900}{1000}E\r\n{1100}{1200}F\r\n",
                                SubtitleFormat::MicroDvd,
                                1000,
                                2,
                                25,
                                {"{900}{1000}E\r\n", "{100}{200}F\r\n"}},
                      SplitCase{"EndingAtTheCutInSubRip",
                                "{900}{1000}E\r\n{1100}{1200}F\r\n",
                                SubtitleFormat::SubRip,
                                1000,
                                2,
                                25,
                                {"1\r\n00:00:36,000 --> 00:00:40,000\r\nE\r\n\r\n",
                                 "1\r\n00:00:04,000 --> 00:00:08,000\r\nF\r\n"}},
                      // Mended: an entry without an end is placed by its start and keeps no end.
                      SplitCase{"EntryWithoutEndIsPlacedByItsStart",
                                "{100}{}A\r\n{1500}{}B\r\n{2600}{}C\r\n",
                                SubtitleFormat::MicroDvd,
                                1000,
                                2,
                                25,
                                {"{100}{}A\r\n", "{500}{}B\r\n{1600}{}C\r\n"}},
                      SplitCase{"EntryWithoutEndNeverSpans",
                                "{999}{}A\r\n{1000}{}B\r\n",
                                SubtitleFormat::MicroDvd,
                                1000,
                                2,
                                25,
                                {"{999}{}A\r\n", "{0}{}B\r\n"}},
                      // Mended: times before the segment's start are written as 0.
                      SplitCase{"NegativeTimesAreWrittenAsZero",
                                "{1500}{1600}A\r\n{500}{1200}B\r\n{500}{600}C\r\n",
                                SubtitleFormat::MicroDvd,
                                1000,
                                2,
                                25,
                                {"", "{500}{600}A\r\n{0}{200}B\r\n{0}{0}C\r\n"}},
                      SplitCase{"NegativeTimesInSubRip",
                                "{1500}{1600}A\r\n{500}{600}C\r\n",
                                SubtitleFormat::SubRip,
                                1000,
                                2,
                                25,
                                {"",
                                 "1\r\n00:00:20,000 --> 00:00:24,000\r\nA\r\n\r\n"
                                 "2\r\n00:00:00,000 --> 00:00:00,000\r\nC\r\n"}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(SplitTest, ReportsTheSegmentsBeforeDeletingTheSource) {
  TempDir dir;
  CommonParams params;
  params.inputPath = dir.write("movie.sub", kFourEntries);
  params.deleteSource = true;
  params.outputAsInput = true;  // never applied by Split
  ViewLog view;
  const OperationResult result = Split(params, SplitParams{2, 1000}, view);
  ASSERT_EQ(result.outcome, Outcome::Completed);
  const std::vector<std::string> expected = {
      "busy Lumetra 2.6 - Written by Taviel - splitting...", "rest",
      "message The subtitle is split.\r\rNumber of segments: 2", "source "};
  EXPECT_EQ(view.events, expected);
  EXPECT_EQ(view.messages[0].title, "Lumetra 2.6 - Written by Taviel");
  EXPECT_EQ(view.messages[0].icon, MessageIcon::None);
  EXPECT_FALSE(dir.exists("movie.sub"));
  EXPECT_EQ(result.newSource, "");
  EXPECT_FALSE(result.inputInformation.has_value());
}

TEST(SplitTest, EverySegmentCarriesTheOutputExtensionAndTheByteOrderMark) {
  TempDir dir;
  CommonParams params;
  params.inputPath = dir.write("movie.txt", std::string("\xEF\xBB\xBF") + kFourEntries);
  params.outputFormat = SubtitleFormat::SubRip;
  ViewLog view;
  const OperationResult result = Split(params, SplitParams{3, 1000}, view);
  ASSERT_EQ(result.outcome, Outcome::Completed);
  const std::vector<std::string> names = {"movie - 1.srt", "movie - 2.srt", "movie - 3.srt",
                                          "movie.txt"};
  EXPECT_EQ(dir.names(), names);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_TRUE(dir.read("movie - " + std::to_string(k) + ".srt")
                    .starts_with("\xEF\xBB\xBF"
                                 "1\r\n"));
  }
}

TEST(SplitTest, ASecondRunReplacesTheSegmentsOfTheFirst) {
  TempDir dir;
  CommonParams params;
  params.inputPath = dir.write("movie.sub", "{100}{200}A\r\n{1200}{1300}C\r\n");
  dir.write("movie - 1.sub", "old\r\n");
  dir.write("movie - 2.sub", "old\r\n");
  ViewLog view;
  ASSERT_EQ(Split(params, SplitParams{2, 1000}, view).outcome, Outcome::Completed);
  EXPECT_EQ(dir.read("movie - 1.sub"), "{100}{200}A\r\n");
  EXPECT_EQ(dir.read("movie - 2.sub"), "{200}{300}C\r\n");
}

TEST(SplitTest, FormatFailureKeepsFinishedSegmentsAndLeavesNothingOfTheCurrentOne) {
  TempDir dir;
  CommonParams params;
  params.inputPath = dir.write("movie.sub", "{100}{200}A\r\n{1200}{1300}C\r\n{1400}{15x0}Bad\r\n");
  dir.write("movie - 2.sub", "earlier run\r\n");
  ViewLog view;
  const OperationResult result = Split(params, SplitParams{3, 1000}, view);
  EXPECT_EQ(result.outcome, Outcome::FormatFailure);
  EXPECT_EQ(result.failureLine, 3);
  EXPECT_EQ(dir.read("movie - 1.sub"), "{100}{200}A\r\n");
  EXPECT_EQ(dir.read("movie - 2.sub"), "earlier run\r\n");
  EXPECT_EQ(dir.names().size(), 3u);
  ASSERT_EQ(view.events.size(), 3u);
  EXPECT_EQ(view.events[1],
            "message An error has occurred!\r\rThe selected file is no subtitle (or is an unkown "
            "format)");
  EXPECT_EQ(view.events[2], "rest");
  EXPECT_EQ(result.outputs, std::vector<std::string>{dir.file("movie - 1.sub")});
}

TEST(SplitTest, UnknownInputEndsInTheErrorTailWithoutAFile) {
  TempDir dir;
  CommonParams params;
  params.inputPath = dir.write("movie.sub", "Hello\r\nworld\r\n");
  ViewLog view;
  const OperationResult result = Split(params, SplitParams{2, 1000}, view);
  EXPECT_EQ(result.outcome, Outcome::OtherFailure);
  EXPECT_EQ(dir.names(), std::vector<std::string>{"movie.sub"});
  EXPECT_EQ(view.events.back(), "rest");
}

TEST(SplitTest, MissingAndEmptyInputsFail) {
  TempDir dir;
  for (const bool create : {false, true}) {
    CommonParams params;
    params.inputPath = create ? dir.write("empty.sub", "") : dir.file("missing.sub");
    ViewLog view;
    const OperationResult result = Split(params, SplitParams{2, 1000}, view);
    EXPECT_EQ(result.outcome, Outcome::OtherFailure);
    EXPECT_EQ(dir.names().size(), create ? 1u : 0u);
  }
}

struct SplitRefusal {
  std::optional<double> segments;
  std::optional<double> frames;
  bool withInput;
  const char* message;
};

class SplitRefusalTest : public ::testing::TestWithParam<SplitRefusal> {};

TEST_P(SplitRefusalTest, RefusesBeforeOpeningAnything) {
  const SplitRefusal& c = GetParam();
  TempDir dir;
  CommonParams params;
  if (c.withInput) {
    params.inputPath = dir.write("movie.sub", kFourEntries);
  }
  ViewLog view;
  const OperationResult result = Split(params, SplitParams{c.segments, c.frames}, view);
  EXPECT_EQ(result.outcome, Outcome::Refused);
  ASSERT_EQ(view.events.size(), 1u);
  EXPECT_EQ(view.messages[0].text, c.message);
  EXPECT_EQ(view.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(dir.names().size(), c.withInput ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Preconditions, SplitRefusalTest,
    ::testing::Values(
        SplitRefusal{std::nullopt, std::nullopt, false, "The number of segments must be numeric!"},
        SplitRefusal{1, 1000, true, "The number of segments must be 2 or more"},
        SplitRefusal{0, std::nullopt, true, "The number of segments must be 2 or more"},
        SplitRefusal{2, 0, true, "Enter the size of the segments!"},
        SplitRefusal{2, 0.5, true, "Enter the size of the segments!"},
        SplitRefusal{2, -5, true, "Enter the size of the segments!"},
        SplitRefusal{2, std::nullopt, true, "The size of the segments must be numeric!"},
        SplitRefusal{2, 1000, false, "Select a subtitle!"}));

}  // namespace
}  // namespace lumetra
