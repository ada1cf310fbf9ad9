#include "operations/synchronize.h"

#include <gtest/gtest.h>

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

struct ShiftCase {
  double rate;
  SubtitleFormat output;
  int shift;
  std::string input;
  std::string expected;
};

// UTF-16 LE with its mark, of 8-bit text taken as Latin-1.
std::string Utf16(const std::string& latin1) {
  std::string bytes = "\xFF\xFE";
  for (const char c : latin1) {
    bytes += std::string{c, '\0'};
  }
  return bytes;
}

TEST(Synchronize, WritesShiftedEntries) {
  const ShiftCase cases[] = {
      {25, kSub, 1500, "{1000}{1100}Hi\r\n{100}{}Hi\r\n", "{1037}{1137}Hi\r\n{137}{}Hi\r\n"},
      {23.976, kSub, 1500, "{1000}{1100}Hi\r\n", "{1035}{1135}Hi\r\n"},
      {25, kSrt, 1500, "1\r\n00:00:01,000 --> 00:00:02,500\r\nx\r\n",
       "1\r\n00:00:02,500 --> 00:00:04,000\r\nx\r\n"},
      // Held at zero, and both times below zero.
      {25, kSrt, -2000, "1\r\n00:00:01,000 --> 00:00:03,000\r\nx\r\n",
       "1\r\n00:00:00,000 --> 00:00:01,000\r\nx\r\n"},
      {25, kSub, -30000, "{10}{20}a\r\n{900}{}b\r\n", "{0}{}a\r\n{150}{}b\r\n"},
      // Shift, then convert; short lines leave gaps in the numbers.
      {25, kSrt, 1000, "{25}{75}a\n\n{100}{150}b\n",
       "1\r\n00:00:02,000 --> 00:00:04,000\r\na\r\n\r\n"
       "3\r\n00:00:05,000 --> 00:00:07,000\r\nb\r\n"},
      {25, kSrt, 1000,
       "\xEF\xBB\xBF"
       "1\r\n00:00:01,000 --> 00:00:02,000\r\n\xC3\xA9t\xC3\xA9\r\n",
       "\xEF\xBB\xBF"
       "1\r\n00:00:02,000 --> 00:00:03,000\r\n\xC3\xA9t\xC3\xA9\r\n"},
      // Every byte of the text stays: a Big5 character whose second byte is "|", UTF-16.
      {25, kSrt, 1000, "1\r\n00:00:01,000 --> 00:00:02,000\r\n\xA7|\xA4@ a|b\r\n",
       "1\r\n00:00:02,000 --> 00:00:03,000\r\n\xA7|\xA4@ a|b\r\n"},
      {25, kSrt, 1000, Utf16("1\r\n00:00:01,000 --> 00:00:02,000\r\n\xE9t\xE9|\r\n"),
       Utf16("1\r\n00:00:02,000 --> 00:00:03,000\r\n\xE9t\xE9|\r\n")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    TempDir dir;
    const bool subrip = c.input.find('{') == std::string::npos;
    const std::string input = dir.write(subrip ? "movie.srt" : "movie.sub", c.input);
    RecordingView view;
    Synchronize(Params(input, c.output, c.rate), c.shift, view);
    ASSERT_TRUE(view.completed()) << view.lastText();
    EXPECT_EQ(dir.read(c.output == kSrt ? "movie - synchronized.srt" : "movie - synchronized.sub"),
              c.expected);
    EXPECT_EQ(dir.read(input), c.input);
  }
}

}  // namespace
}  // namespace lumetra
