#include <gtest/gtest.h>

#include "reader_support.h"
#include "subtitle/microdvd.h"
#include "subtitle/subtitle_error.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::ReadAll;

struct LineCase {
  const char* line;
  double start;
  double end;
  const char* text;
};

class MicroDvdLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(MicroDvdLineTest, ReadsStartEndAndText) {
  const LineCase& c = GetParam();
  const auto entries = ReadAll(std::string(c.line) + "\r\n", SubtitleFormat::MicroDvd);
  ASSERT_EQ(entries.size(), 1u) << c.line;
  EXPECT_EQ(entries[0].start, c.start) << c.line;
  EXPECT_EQ(entries[0].end, c.end) << c.line;
  EXPECT_EQ(entries[0].text, c.text) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, MicroDvdLineTest,
    ::testing::Values(LineCase{"{1200}{1350}Hello|world", 1200, 1350, "Hello|world"},
                      LineCase{"{1200}{}Hello", 1200, 0, "Hello"}, LineCase{"{0}{25}x", 0, 25, "x"},
                      LineCase{"{}{}x", 0, 0, "x"}, LineCase{"{1}}", 1, 0, ""},
                      // The opening character and the one after the first '}' are not read.
                      LineCase{"[100}[200}x", 100, 200, "x"}, LineCase{"{1}{2}a}b", 1, 2, "a}b"},
                      LineCase{"{10}{20}", 10, 20, ""},
                      LineCase{"{5}{6}\xe9t\xe9 \xc3\xa9", 5, 6, "\xe9t\xe9 \xc3\xa9"}));

TEST(MicroDvdReader, ShortLinesGiveNoEntry) {
  const auto entries = ReadAll("\r\n{1}\r\n{2}{3}a\r\nab\r\n", SubtitleFormat::MicroDvd);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].start, 2);
}

TEST(MicroDvdReader, EveryLineBreakStyleGivesTheSameEntries) {
  for (const char* breakText : {"\r\n", "\n", "\r"}) {
    const std::string br = breakText;
    const auto entries =
        ReadAll("{1}{2}a" + br + br + "{3}{4}b|c" + br + "{5}{}d", SubtitleFormat::MicroDvd);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].text, "b|c");
    EXPECT_EQ(entries[2].start, 5);
  }
}

struct FailureCase {
  const char* line;
  SubtitleError::Kind kind;
};

class MicroDvdFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(MicroDvdFailureTest, StopsWithItsKindAndLine) {
  const FailureCase& c = GetParam();
  try {
    ReadAll(std::string("{1}{2}ok\r\n") + c.line + "\r\n", SubtitleFormat::MicroDvd);
    FAIL() << "no failure for " << c.line;
  } catch (const SubtitleError& error) {
    EXPECT_EQ(error.kind(), c.kind) << c.line;
    EXPECT_EQ(error.line(), 2) << c.line;
  }
}

INSTANTIATE_TEST_SUITE_P(Grammar, MicroDvdFailureTest,
                         ::testing::Values(FailureCase{"{100]{200}x", SubtitleError::Kind::Format},
                                           FailureCase{"{ 100}{200}x", SubtitleError::Kind::Format},
                                           FailureCase{"{-5}{200}x", SubtitleError::Kind::Format},
                                           FailureCase{"{100}{2x0}Hi", SubtitleError::Kind::Format},
                                           FailureCase{"{12345", SubtitleError::Kind::Other},
                                           FailureCase{"{1}{234", SubtitleError::Kind::Other}));

TEST(MicroDvdWriter, WritesFramesAndEmptyEnds) {
  testing::TempDir dir;
  {
    OutputFile out(dir.file("out.sub"));
    WriteMicroDvdEntry(out, {0, 0, "x"}, 25, 25);
    WriteMicroDvdEntry(out, {1000, 1100, "Hello|world"}, 25, 23.976);
    WriteMicroDvdEntry(out, {1000, 0, "Hi"}, 25, 23.976);
    out.commit();
  }
  EXPECT_EQ(dir.read("out.sub"), "{0}{}x\r\n{959}{1055}Hello|world\r\n{959}{}Hi\r\n");
}

}  // namespace
}  // namespace lumetra
