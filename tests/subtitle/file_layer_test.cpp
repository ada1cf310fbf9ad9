#include <gtest/gtest.h>

#include "subtitle/line_reader.h"
#include "subtitle/paths.h"
#include "subtitle/subtitle_error.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::TempDir;

std::vector<std::string> Lines(const std::string& bytes, TextEncoding* encoding = nullptr) {
  LineReader reader(std::make_unique<MemorySource>(bytes));
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.next(line)) {
    lines.emplace_back(line);
  }
  if (encoding) {
    *encoding = reader.encoding();
  }
  return lines;
}

TEST(LineReader, EndsLinesAtCrLfLfAndCr) {
  EXPECT_EQ(Lines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(Lines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
}

TEST(LineReader, RefusesALineLongerThan1MiB) {
  EXPECT_EQ(Lines(std::string(1 << 20, 'x')).size(), 1u);
  try {
    Lines("ok\n" + std::string((1 << 20) + 1, 'x') + "\n");
    FAIL() << "a line of more than 1 MiB was read";
  } catch (const SubtitleError& error) {
    EXPECT_EQ(error.line(), 2);
    EXPECT_EQ(std::string(error.description()),
              "Line longer than 1 MiB at line 2 (reading memory)");
  }
}

TEST(LineReader, TurnsUtf16IntoUtf8AndBack) {
  // "a", U+1F600 as a surrogate pair, a lone high surrogate, U+00E9, then a line break.
  const std::string utf16(
      "\xFF\xFE"
      "a\0"
      "\x3D\xD8\x00\xDE"
      "\x3D\xD8"
      "\xE9\0"
      "\n\0",
      14);
  TextEncoding encoding{};
  const auto lines = Lines(utf16, &encoding);
  EXPECT_EQ(encoding, TextEncoding::Utf16Le);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "a\xF0\x9F\x98\x80\xED\xA0\xBD\xC3\xA9");
  std::string back;
  EncodeUtf8(lines[0] + "\n", TextEncoding::Utf16Le, back);
  EXPECT_EQ(std::string(ByteOrderMark(TextEncoding::Utf16Le)) + back, utf16);
}

TEST(Paths, CutTheFileNamesOwnExtensionOnly) {
  struct Case {
    const char* input;
    const char* base;
    const char* extension;
  };
  const Case cases[] = {
      {"/films/movie.sub", "/films/movie", "sub"},
      {"/films/film.subtitle", "/films/film", "subtitle"},
      {"/subs/ab", "/subs/ab", ""},
      {"movie", "movie", ""},
      {"/a.b/movie", "/a.b/movie", ""},
      {"/x/.hidden", "/x/.hidden", ""},
      {"/x/my film.v2.srt", "/x/my film.v2", "srt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BaseName(c.input), c.base) << c.input;
    EXPECT_EQ(FileExtension(c.input), c.extension) << c.input;
  }
}

TEST(Paths, OutputPathAddsSuffixAndExtension) {
  EXPECT_EQ(OutputPath("/f/movie.sub", " - SubRip", "srt"), "/f/movie - SubRip.srt");
  EXPECT_EQ(OutputPath("/f/movie", " - 25fps", ""), "/f/movie - 25fps");
  EXPECT_EQ(OutputPath("/f/movie.sub", " - 1", "sub", "/out"), "/out/movie - 1.sub");
}

}  // namespace
}  // namespace lumetra
