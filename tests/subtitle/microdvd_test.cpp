#include <gtest/gtest.h>

#include "reader_support.h"
#include "subtitle/entry_io.h"
#include "subtitle/line_reader.h"
#include "subtitle/microdvd.h"
#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {

using testing::ReadAll;
using testing::Show;

struct LineCase {
  const char* name;
  const char* content;
  const char* entries;  // as Show() writes them
};

TEST(MicroDvdReader, ReadsStartEndAndText) {
  const LineCase cases[] = {
      {"a line", "{1200}{1350}Hello|world", "1200 1350 Hello/world"},
      {"no end", "{1200}{}Hello", "1200 0 Hello"},
      {"no frames", "{}{}x", "0 0 x"},
      {"ends after the skipped character", "{1}}", "1 0 "},
      {"brackets not looked at", "[100}[200}x", "100 200 x"},
      {"brace in the text", "{1}{2}a}b", "1 2 a}b"},
      {"negative frames", "{-5}{-2}x", "-5 -2 x"},
      {"8-bit text", "{5}{6}\xe9t\xe9 \xc3\xa9", "5 6 \xe9t\xe9 \xc3\xa9"},
      {"short and blank lines give nothing", "\r\n{1}\r\n \t \r\n{2}{3}a\r\nab\r\n", "2 3 a"},
      {"every line break style", "{1}{2}a\r\n\n{3}{4}b\r{5}{}c", "1 2 a ; 3 4 b ; 5 0 c"},
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(Show(ReadAll(c.content, SubtitleFormat::MicroDvd)), c.entries) << c.name;
  }
}

struct FailureCase {
  const char* line;
  int number;  // 13 for a format failure
};

TEST(MicroDvdReader, StopsAtTheLineItCannotRead) {
  const FailureCase cases[] = {
      {"{100]{200}x", 13},  {"{ 100}{200}x", 13},
      {"{100}{2x0}Hi", 13}, {"{12345", 5},
      {"{1}{234", 5},       {"{99999999999999999999999999999999999999999999}{1}x", 6},
  };
  for (const FailureCase& c : cases) {
    try {
      ReadAll(std::string("{1}{2}ok\r\n") + c.line + "\r\n", SubtitleFormat::MicroDvd);
      ADD_FAILURE() << "no failure for " << c.line;
    } catch (const SubtitleError& error) {
      EXPECT_EQ(error.number(), c.number) << c.line;
      EXPECT_EQ(error.line(), 2) << c.line;
    }
  }
}

struct RateLineCase {
  const char* name;
  const char* content;
  double rate;  // 0: no frame-rate line
  const char* entries;
};

TEST(MicroDvdReader, TakesAFirstEntryOfOnlyANumberAsTheFrameRate) {
  const RateLineCase cases[] = {
      {"23.976", "{1}{1}23.976\r\n{10}{20}a\r\n", 23.976, "10 20 a"},
      {"comma, frames 0", "{0}{0}29,97\n{10}{20}a", 29.97, "10 20 a"},
      {"after blank lines", "\r\n{1}{1}25.000\r\n{10}{20}a", 25, "10 20 a"},
      {"a rate nobody lists", "{1}{1}12.5\r\n", 12.5, ""},
      {"frames differ", "{1}{2}25\r\n", 0, "1 2 25"},
      {"words", "{1}{1}25 fps\r\n", 0, "1 1 25 fps"},
      {"not the first entry", "{10}{20}a\r\n{1}{1}25\r\n", 0, "10 20 a ; 1 1 25"},
  };
  for (const RateLineCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string content = c.content;
    LineReader lines(std::make_unique<MemorySource>(content));
    const auto found = FindFrameRateLine(lines);
    EXPECT_EQ(found ? found->rate : 0, c.rate);
    EXPECT_EQ(Show(ReadAll(c.content, SubtitleFormat::MicroDvd)), c.entries);
  }
  LineReader lines(std::make_unique<MemorySource>("{1}{1}23,976"));
  EXPECT_EQ(DeclaringRate(*FindFrameRateLine(lines), "25"), "{1}{1}25");
}

TEST(MicroDvdWriter, WritesFramesEmptyEndsAndBars) {
  testing::CollectingSink out;
  const auto writer = MicroDvdFormat().writer(out);
  writer->write({0, 0, "x"}, false, 1, false);
  writer->write({959, 1055, "Hello\nworld|!"}, true, 2, false);
  writer->write({-3, 0, "Hi"}, true, 3, true);
  EXPECT_EQ(out.text, "{0}{}x\r\n{959}{1055}Hello|world|!\r\n{0}{0}Hi\r\n");
}

}  // namespace
}  // namespace lumetra
