#include <gtest/gtest.h>

#include "reader_support.h"
#include "subtitle/entry_io.h"
#include "subtitle/subrip.h"
#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {

using testing::ReadAll;
using testing::Show;
using testing::WithLineBreaks;

constexpr const char* kT1 = "00:00:01,000 --> 00:00:02,000\n";
constexpr const char* kT2 = "00:00:03,000 --> 00:00:04,000\n";
const std::string kTwoBlocks = std::string("1\n") + kT1 + "a\n\n2\n" + kT2 + "b\n";

struct ShapeCase {
  const char* name;
  std::string content;  // LF line breaks; also read with CR LF and CR
  const char* entries;  // as Show() writes them
};

// Shapes of real files; a well-formed file reads as it always did.
const ShapeCase kShapes[] = {
    {"well formed",
     "1\n00:00:01,500 --> 00:00:04,000\nHello\nworld\n\n2\n" + std::string(kT2) + "Bye\n",
     "1500 4000 Hello/world ; 3000 4000 Bye"},
    {"numbered from 0", "0\n" + std::string(kT1) + "a\n\n1\n" + kT2 + "b\n",
     "1000 2000 a ; 3000 4000 b"},
    {"excerpt numbered from 421", "421\n" + std::string(kT1) + "a\n\n422\n" + kT2 + "b",
     "1000 2000 a ; 3000 4000 b"},
    {"no numbers", std::string(kT1) + "a\n\n" + kT2 + "b\n", "1000 2000 a ; 3000 4000 b"},
    {"blank lines first", "\n \n" + kTwoBlocks, "1000 2000 a ; 3000 4000 b"},
    {"separator holding a space", std::string("1\n") + kT1 + "Hello\n \n2\n" + kT2 + "Bye",
     "1000 2000 Hello ; 3000 4000 Bye"},
    {"no separator", std::string("1\n") + kT1 + "Hello\n2\n" + kT2 + "Bye",
     "1000 2000 Hello ; 3000 4000 Bye"},
    {"blank lines at the end", kTwoBlocks + "\n\n\n\t\n\n\n", "1000 2000 a ; 3000 4000 b"},
    {"several blank lines between", std::string("1\n") + kT1 + "a\n\n\n\n\n2\n" + kT2 + "b",
     "1000 2000 a ; 3000 4000 b"},
    {"short time fields", "1\n0:0:1,5 --> 0:00:02,04\na\n", "1005 2004 a"},
    {"no milliseconds", "1\n00:00:01 --> 00:00:02.5\na\n", "1000 2005 a"},
    {"negative time", "1\n-00:00:01,000 --> 00:00:02,000\na\n", "-1000 2000 a"},
    {"word for the number", "Subtitle\n" + std::string(kT1) + "a\n\nNext\n" + kT2 + "b",
     "1000 2000 a ; 3000 4000 b"},
    {"block without text", std::string("1\n") + kT1 + "\n2\n" + kT2 + "b",
     "1000 2000  ; 3000 4000 b"},
    {"blank lines inside a text stay", std::string("1\n") + kT1 + "a\n\n \nb\n\n2\n" + kT2 + "c",
     "1000 2000 a// /b ; 3000 4000 c"},
    {"text right before a time line", std::string("1\n") + kT1 + "a\nb\n" + kT2 + "c",
     "1000 2000 a/b ; 3000 4000 c"},
    {"bars are text", std::string("1\n") + kT1 + "\xA7|\xA4 a|b\n", "1000 2000 \xA7|\xA4 a|b"},
    {"coordinates after the times", "1\n00:00:01,000 --> 00:00:02,000  X1:40 X2:600\na\n",
     "1000 2000 a"},
    {"full stops, no spaces", "1\n00:00:01.000-->00:00:02.000\na\n", "1000 2000 a"},
    {"last line without a break", std::string("1\n") + kT1 + "end", "1000 2000 end"},
    {"nothing but blank lines", "\n \n\t\n", ""},
};

TEST(SubRipReader, ReadsTheShapesOfRealFiles) {
  for (const ShapeCase& c : kShapes) {
    for (const char* lineBreak : {"\n", "\r\n", "\r"}) {
      SCOPED_TRACE(std::string(c.name) + (lineBreak[0] == '\n' ? " (LF)" : " (CR, CR LF)"));
      EXPECT_EQ(Show(ReadAll(WithLineBreaks(c.content, lineBreak), SubtitleFormat::SubRip)),
                c.entries);
    }
  }
}

struct FailureCase {
  const char* name;
  std::string content;
  int number;  // 13 for a format failure
  long line;
};

TEST(SubRipReader, StopsAtTheLineItCannotRead) {
  const FailureCase cases[] = {
      {"arrow in a line that is no time line", std::string("1\n") + kT1 + "a --> b\n", 13, 3},
      {"start without end", "1\n00:00:01,000 -->\na\n", 13, 2},
      {"line before the first block", "Title\nSubtitle\n" + std::string(kT1) + "a\n", 13, 1},
      {"twenty-digit hours", "1\n99999999999999999999:00:00,000 --> 0:0:1\na\n", 6, 2},
      {"text longer than 1 MiB", std::string("1\n") + kT1 + std::string(1 << 20, 'x') + "\n", 7, 3},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      ReadAll(c.content, SubtitleFormat::SubRip);
      ADD_FAILURE() << "read without failure";
    } catch (const SubtitleError& error) {
      EXPECT_EQ(error.number(), c.number);
      EXPECT_EQ(error.line(), c.line);
    }
  }
}

TEST(SubRipTime, WritesHoursMinutesSecondsAndMilliseconds) {
  EXPECT_EQ(SubRipTime(0), "00:00:00,000");
  EXPECT_EQ(SubRipTime(-5), "00:00:00,000");
  EXPECT_EQ(SubRipTime(65), "00:00:00,065");
  EXPECT_EQ(SubRipTime(3600000), "01:00:00,000");
  EXPECT_EQ(SubRipTime(100 * 3600000.0 + 40 * 60000 + 39 * 1000 + 5), "100:40:39,005");
}

TEST(SubRipWriter, CutsTheTextAtEveryLineBreakAndEndsTheLastBlockWithoutEmptyLine) {
  testing::CollectingSink out;
  const auto writer = SubRipFormat().writer(out);
  writer->write({1500, 4000, "Hello\nworld"}, true, 1, false);
  writer->write({1000, 0, "a\n\nb|c"}, false, 2, false);
  writer->write({0, 0, ""}, true, 3, false);
  writer->write({0, 0, "a\n"}, true, 4, true);
  EXPECT_EQ(out.text,
            "1\r\n00:00:01,500 --> 00:00:04,000\r\nHello\r\nworld\r\n\r\n"
            "2\r\n00:00:01,000 --> 00:00:00,000\r\na\r\n\r\nb|c\r\n\r\n"
            "3\r\n00:00:00,000 --> 00:00:00,000\r\n\r\n\r\n"
            "4\r\n00:00:00,000 --> 00:00:00,000\r\na\r\n\r\n");
}

}  // namespace
}  // namespace lumetra
