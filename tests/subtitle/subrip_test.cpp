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

// Blocks numbered 1 to `count`, each a second long with the text "t" and its number.
std::string NumberedBlocks(int count) {
  std::string blocks;
  for (int i = 1; i <= count; ++i) {
    blocks += std::to_string(i) + "\n" + SubRipTime(i * 1000.0) + " --> " +
              SubRipTime(i * 1000.0 + 500) + "\nt" + std::to_string(i) + "\n\n";
  }
  return blocks;
}

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
    {"ten blocks and more", NumberedBlocks(11) + "12\n" + kT1 + "end",
     "1000 1500 t1 ; 2000 2500 t2 ; 3000 3500 t3 ; 4000 4500 t4 ; 5000 5500 t5 ; 6000 6500 t6 ; "
     "7000 7500 t7 ; 8000 8500 t8 ; 9000 9500 t9 ; 10000 10500 t10 ; 11000 11500 t11 ; "
     "1000 2000 end"},
    {"hours in the usual form", "1\n01:02:03,004 --> 12:00:00,999\na\n\n2\n" + std::string(kT2),
     "3723004 43200999 a ; 3000 4000 "},
    {"a word line after a blank line is text",
     std::string("1\n") + kT1 + "a\n\nword\n\n2\n" + kT2 + "b", "1000 2000 a//word ; 3000 4000 b"},
    {"every arrow",
     "1\n0:0:1 -> 0:0:2\na\n\n2\n0:0:3 - > 0:0:4\nb\n\n3\n0:0:5-- >0:0:6\nc\n\n"
     "4\n0:0:7\t\xE2\x80\x94> 0:0:8\nd\n\n5\n0:0:9 \xE2\x80\x93>\t0:0:10\ne",
     "1000 2000 a ; 3000 4000 b ; 5000 6000 c ; 7000 8000 d ; 9000 10000 e"},
    {"one block whose text runs to the end", std::string("1\n") + kT1 + std::string(33, 'a') + "\n",
     "1000 2000 aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"},
    {"8-bit text running to the end",
     std::string("1\n") + kT1 + "\xE9\xE9\xA7\xA4 <b>my</b> name\n",
     "1000 2000 \xE9\xE9\xA7\xA4 <b>my</b> name"},
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
      {"arrow in a short dialogue line", std::string("1\n") + kT1 + "- a->b\n\n- x-->\n", 13, 5},
      {"start without end", "1\n00:00:01,000 -->\na\n", 13, 2},
      {"two times joined by a dash", "1\n00:00:01,000 - 00:00:02,000\na\n", 13, 2},
      {"something glued to the end", "1\n00:00:56,015 --> 00:00:5B,390\na\n", 13, 2},
      {"a fourth digit of milliseconds", "1\n00:00:01,000 --> 00:00:02,0001\na\n", 13, 2},
      {"mistyped arrow in a usual run", NumberedBlocks(3) + "4\n00:07:02,636 = > 00:07:04,792\nx\n",
       13, 14},
      {"arrow of another kind", NumberedBlocks(10) + "11\n00:00:01,000 \xE2\x86\x92 0:0:2\nx\n", 13,
       42},
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

TEST(SubRipReader, ReadsAOneBlockFileInUtf16ToItsLastByte) {
  // "1", a time line and a Persian text, each line ending in CR LF, in UTF-16.
  std::u16string text =
      u"1\r\n00:00:01,000 --> 00:00:02,000\r\n\u062A\u0631\u062C\u0645\u0647 "
      u"\u0648 \u062A\u0646\u0638\u064A\u0645\r\n";
  for (const bool bigEndian : {false, true}) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
      const char low = static_cast<char>(unit & 0xFF);
      const char high = static_cast<char>(unit >> 8);
      bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    EXPECT_EQ(Show(ReadAll(bytes, SubtitleFormat::SubRip)),
              "1000 2000 \xD8\xAA\xD8\xB1\xD8\xAC\xD9\x85\xD9\x87 \xD9\x88 "
              "\xD8\xAA\xD9\x86\xD8\xB8\xD9\x8A\xD9\x85")
        << (bigEndian ? "big-endian" : "little-endian");
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
