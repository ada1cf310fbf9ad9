#include <gtest/gtest.h>

#include <string>

#include "subtitle/subtitle_detection.h"
#include "subtitle/subtitle_error.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

struct DetectionCase {
  const char* name;
  std::string bytes;
  DetectedKind expected;
};

const std::string kBom = "\xEF\xBB\xBF";

const DetectionCase kCases[] = {
    // Nothing, or nothing after the first character, decides for nothing.
    {"empty file", "", DetectedKind::Unknown},
    {"brace alone", "{", DetectedKind::Unknown},
    {"one alone", "1", DetectedKind::Unknown},
    {"byte-order mark alone", kBom, DetectedKind::Unknown},
    // One line: the first character decides once anything follows it.
    {"one MicroDVD line", "{1}{25}Hello", DetectedKind::MicroDvd},
    {"brace and a line break", "{\r\n", DetectedKind::MicroDvd},
    {"one and a line break", "1\n", DetectedKind::SubRip},
    {"one SubRip number line", "12", DetectedKind::SubRip},
    // Two lines: both first characters count.
    {"two MicroDVD lines", "{1}{25}Hello\r\n{30}{50}World\r\n", DetectedKind::MicroDvd},
    {"SubRip block", "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n", DetectedKind::SubRip},
    {"one then zero", "1\n0\n", DetectedKind::SubRip},
    {"one then nine", "1\n9", DetectedKind::SubRip},
    {"one then a letter", "1\na\n", DetectedKind::Unknown},
    {"one then an empty line", "1\n\nx", DetectedKind::Unknown},
    {"brace then one", "{1}{2}a\n1\n", DetectedKind::Unknown},
    {"brace then empty line", "{1}{2}a\n\n{3}{4}b\n", DetectedKind::Unknown},
    {"lone CR ends line 1", "{1}{2}a\r{3}{4}b", DetectedKind::MicroDvd},
    // Everything else is refused, the bracket kind named on its own.
    {"bracket", "[INFORMATION]\n", DetectedKind::SubViewer},
    {"plain text", "Hello world\n", DetectedKind::Unknown},
    {"leading space", " {1}{2}a\n{3}{4}b\n", DetectedKind::Unknown},
    {"leading line break", "\n{1}{2}a\n", DetectedKind::Unknown},
    // A UTF-8 byte-order mark is set aside before the first character is looked at.
    {"MicroDVD after a byte-order mark", kBom + "{1}{25}Hi\r\n{30}{50}Yo\r\n",
     DetectedKind::MicroDvd},
    {"SubRip after a byte-order mark", kBom + "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n",
     DetectedKind::SubRip},
    {"half a byte-order mark", "\xEF\xBB{1}{2}a\n{3}{4}b\n", DetectedKind::Unknown},
};

TEST(SubtitleDetection, RecognisesFilesByTheFirstCharactersOfTwoLines) {
  testing::TempDir dir;
  for (const DetectionCase& c : kCases) {
    const std::string path = dir.write("input.txt", c.bytes);
    EXPECT_EQ(DetectedKindName(DetectSubtitleKind(path)), std::string(DetectedKindName(c.expected)))
        << c.name;
  }
}

TEST(SubtitleDetection, LooksOnlyAtTheStartOfALongFile) {
  testing::TempDir dir;
  std::string bytes = "{1}{2}" + std::string(3'000'000, 'x') + "\n{3}{4}b\n";
  EXPECT_EQ(DetectSubtitleKind(dir.write("long.sub", bytes)), DetectedKind::MicroDvd);
}

TEST(SubtitleDetection, NamesEachKindForTheUser) {
  EXPECT_STREQ(DetectedKindName(DetectedKind::MicroDvd), "MicroDVD");
  EXPECT_STREQ(DetectedKindName(DetectedKind::SubRip), "SubRip");
  EXPECT_STREQ(DetectedKindName(DetectedKind::SubViewer), "SubVieuwer (NOT SUPPORTED!)");
  EXPECT_STREQ(DetectedKindName(DetectedKind::Unknown), "Unknown");
}

TEST(SubtitleDetection, MissingFileFailsWithItsNumber) {
  testing::TempDir dir;
  try {
    DetectSubtitleKind(dir.file("missing.srt"));
    FAIL() << "a missing file was examined";
  } catch (const SubtitleError& error) {
    EXPECT_EQ(error.number(), error_number::kFileNotFound);
    EXPECT_EQ(error.kind(), SubtitleError::Kind::Other);
  }
}

TEST(SubtitleDetection, FolderFailsInsteadOfBeingJudged) {
  testing::TempDir dir;
  try {
    DetectSubtitleKind(dir.path());
    FAIL() << "a folder was examined";
  } catch (const SubtitleError& error) {
    EXPECT_EQ(error.number(), error_number::kPathFileAccess);
  }
}

}  // namespace
}  // namespace lumetra
