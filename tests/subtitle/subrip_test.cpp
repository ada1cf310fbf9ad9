#include <gtest/gtest.h>

#include "reader_support.h"
#include "subtitle/subrip.h"
#include "subtitle/subtitle_error.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::ReadAll;

std::string Lines(std::initializer_list<const char*> lines, const std::string& br = "\r\n") {
  std::string text;
  for (const char* line : lines) {
    text += line;
    text += br;
  }
  return text;
}

TEST(SubRipReader, ReadsABlock) {
  const auto entries = ReadAll(Lines({"1", "00:00:01,500 --> 00:00:04,000", "Hello", "world", ""}),
                               SubtitleFormat::SubRip);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].start, 1500);
  EXPECT_EQ(entries[0].end, 4000);
  EXPECT_EQ(entries[0].text, "Hello|world");
}

struct BlockCase {
  const char* name;
  std::string content;
  std::vector<SubtitleEntry> expected;
};

class SubRipBlocksTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(SubRipBlocksTest, GivesTheseEntries) {
  const BlockCase& c = GetParam();
  for (const char* br : {"\r\n", "\n", "\r"}) {
    std::string content = c.content;
    // The cases are written with CR LF; the same rules hold for LF and CR files.
    std::string converted;
    for (std::size_t i = 0; i < content.size(); ++i) {
      if (content.compare(i, 2, "\r\n") == 0) {
        converted += br;
        ++i;
      } else {
        converted += content[i];
      }
    }
    const auto entries = ReadAll(converted, SubtitleFormat::SubRip);
    ASSERT_EQ(entries.size(), c.expected.size()) << c.name;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(entries[i].start, c.expected[i].start) << c.name << " entry " << i;
      EXPECT_EQ(entries[i].end, c.expected[i].end) << c.name << " entry " << i;
      EXPECT_EQ(entries[i].text, c.expected[i].text) << c.name << " entry " << i;
    }
  }
}

const std::string kTwoBlocks = "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n";

INSTANTIATE_TEST_SUITE_P(
    Grammar, SubRipBlocksTest,
    ::testing::Values(
        BlockCase{
            "hyphen", Lines({"1", "00:00:01,000 --> 00:00:02,000", "-"}), {{1000, 2000, "-"}}},
        BlockCase{"extra after end time",
                  Lines({"1", "00:00:01,000 --> 00:00:02,000 X1:10", "a", "bc", ""}),
                  {{1000, 2000, "a|bc"}}},
        BlockCase{
            "full stops", Lines({"1", "00:00:01.000 --> 00:00:02.000", "a"}), {{1000, 2000, "a"}}},
        BlockCase{"one surplus empty line",
                  kTwoBlocks + Lines({"", "", "2", "00:00:03,000 --> 00:00:04,000", "b"}),
                  {{1000, 2000, "a"}, {3000, 4000, "b"}}},
        BlockCase{"no empty line at the end", kTwoBlocks, {{1000, 2000, "a"}}},
        BlockCase{"empty line at the end", kTwoBlocks + "\r\n", {{1000, 2000, "a"}}},
        BlockCase{"numbers from 5, out of order",
                  Lines({"7", "00:00:05,000 --> 00:00:06,000", "x", "", "5",
                         "00:00:01,000 --> 00:00:02,000", "y"}),
                  {{5000, 6000, "x"}, {1000, 2000, "y"}}},
        BlockCase{"time line cut short",
                  Lines({"1", "00:00:01,000 --> ", "a", "", "2", "", "b"}),
                  {{1000, 0, "a"}, {0, 0, "b"}}},
        BlockCase{"no last line break",
                  "1\r\n00:00:01,000 --> 00:00:02,000\r\nend",
                  {{1000, 2000, "end"}}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
          c = '_';
        }
      }
      return name;
    });

struct SubRipFailure {
  const char* name;
  std::string content;
  SubtitleError::Kind kind;
};

class SubRipFailureTest : public ::testing::TestWithParam<SubRipFailure> {};

TEST_P(SubRipFailureTest, Fails) {
  const SubRipFailure& c = GetParam();
  try {
    ReadAll(c.content, SubtitleFormat::SubRip);
    FAIL() << c.name;
  } catch (const SubtitleError& error) {
    EXPECT_EQ(error.kind(), c.kind) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, SubRipFailureTest,
    ::testing::Values(
        SubRipFailure{"one-digit hour", Lines({"1", "0:00:01,000 --> 00:00:02,000", "a"}),
                      SubtitleError::Kind::Format},
        SubRipFailure{"two surplus empty lines",
                      kTwoBlocks + Lines({"", "", "", "2", "00:00:03,000 --> 00:00:04,000"}),
                      SubtitleError::Kind::Format},
        SubRipFailure{"breaks off after the start",
                      Lines({"1", "00:00:01,000", "00:00:02,000", "a"}),
                      SubtitleError::Kind::Format},
        SubRipFailure{"ends inside a time", "1\r\n00:00:0", SubtitleError::Kind::Other},
        SubRipFailure{"number line only", "1", SubtitleError::Kind::Other}));

TEST(SubRipTime, WritesHoursMinutesSecondsAndMilliseconds) {
  EXPECT_EQ(SubRipTime(0), "00:00:00,000");
  EXPECT_EQ(SubRipTime(1500), "00:00:01,500");
  EXPECT_EQ(SubRipTime(3600000), "01:00:00,000");
  EXPECT_EQ(SubRipTime(5), "00:00:00,005");
  EXPECT_EQ(SubRipTime(65), "00:00:00,065");
  EXPECT_EQ(SubRipTime(100 * 3600000.0 + 40 * 60000 + 39 * 1000 + 5), "100:40:39,005");
}

TEST(SubRipWriter, CutsTheTextAtEveryBarAndEndsTheLastBlockWithoutEmptyLine) {
  testing::TempDir dir;
  {
    OutputFile out(dir.file("out.srt"));
    WriteSubRipEntry(out, {1500, 4000, "Hello|world"}, 1, 1000, 1000, false);
    WriteSubRipEntry(out, {25, 0, "a||b"}, 2, 25, 1000, false);
    WriteSubRipEntry(out, {0, 0, ""}, 3, 1000, 1000, false);
    WriteSubRipEntry(out, {0, 0, "a|"}, 4, 1000, 1000, true);
    out.commit();
  }
  EXPECT_EQ(dir.read("out.srt"),
            "1\r\n00:00:01,500 --> 00:00:04,000\r\nHello\r\nworld\r\n\r\n"
            "2\r\n00:00:01,000 --> 00:00:00,000\r\na\r\n\r\nb\r\n\r\n"
            "3\r\n00:00:00,000 --> 00:00:00,000\r\n\r\n\r\n"
            "4\r\n00:00:00,000 --> 00:00:00,000\r\na\r\n\r\n");
}

}  // namespace
}  // namespace lumetra
