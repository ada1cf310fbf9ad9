#include "operations/correct.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "operations/operation_params.h"
#include "operations/recording_view.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::RecordingView;
using testing::TempDir;

using testing::kSrt;
using testing::kSub;
using testing::Params;

std::string Completion(long long count) {
  return "The subtitle is corrected.\r\rNumber of corrections: " + std::to_string(count);
}

struct FileCase {
  const char* name;
  const char* inputName;
  const char* input;
  SubtitleFormat output;
  CorrectSettings settings;
  const char* outputName;
  const char* expected;
  long long count;
};

const CorrectSettings kAllOn{};
const CorrectSettings kAllOff{false, false, false, false, CorrectLanguage::English};
const CorrectSettings kFrench{true, true, true, true, CorrectLanguage::French};

constexpr const char* kTwoBlocks =
    "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello l am\r\nWe aII go\r\n\r\n"
    "2\r\n00:00:03,000 --> 00:00:04,000\r\nWhy?. ''OK''\r\n";
constexpr const char* kShortLine = "{25}{50}Hello l am|so l\r\n{1}\r\n{75}{100}1 2\r\n";

TEST(Correct, WritesRepairedEntriesAndCountsOverTheWholeFile) {
  const FileCase cases[] = {
      {"subrip into microdvd", "movie.srt", kTwoBlocks, kSub, kAllOn, "movie - corrected.sub",
       "{25}{50}Hello I am|We all go\r\n{75}{100}Why? \"OK\"\r\n", 10},
      {"french", "movie.srt", kTwoBlocks, kSrt, kFrench, "movie - corrected.srt",
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello I am\r\nWe all go\r\n\r\n"
       "2\r\n00:00:03,000 --> 00:00:04,000\r\nWhy? \"OK\"\r\n",
       10},
      {"microdvd into subrip, short line skipped", "movie.sub", kShortLine, kSrt, kAllOn,
       "movie - corrected.srt",
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello I am\r\nso I\r\n\r\n"
       "3\r\n00:00:03,000 --> 00:00:04,000\r\n12\r\n",
       3},
      {"every repair off: converted only", "movie.sub", kShortLine, kSrt, kAllOff,
       "movie - corrected.srt",
       "1\r\n00:00:01,000 --> 00:00:02,000\r\nHello l am\r\nso l\r\n\r\n"
       "3\r\n00:00:03,000 --> 00:00:04,000\r\n1 2\r\n",
       0},
      {"entries without text", "movie.sub", "{100}{200}\r\n{}{}\r\n{300}{400}l\r\n", kSub, kAllOn,
       "movie - corrected.sub", "{100}{200}\r\n{0}{}\r\n{300}{400}I\r\n", 1},
      {"the input's own extension is cut", "movie.subtitle", "{1}{2}l\r\n", kSrt, kAllOn,
       "movie - corrected.srt", "1\r\n00:00:00,040 --> 00:00:00,080\r\nI\r\n", 1}};
  for (const auto& c : cases) {
    TempDir dir;
    const std::string input = dir.write(c.inputName, c.input);
    RecordingView view;
    Correct(Params(input, c.output), c.settings, view);
    EXPECT_EQ(view.lastText(), Completion(c.count)) << c.name;
    EXPECT_EQ(dir.read(c.outputName), c.expected) << c.name;
    EXPECT_EQ(dir.read(input), c.input) << c.name << ": the input is never changed";
  }
}

}  // namespace
}  // namespace lumetra
