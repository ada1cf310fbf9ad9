#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "subtitle/byte_source.h"
#include "subtitle/code_page.h"
#include "subtitle/decoding_source.h"
#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {

// Gives its bytes a few at a time, so that characters are cut between two reads.
class TrickleSource final : public ByteSource {
 public:
  TrickleSource(std::string bytes, std::size_t step) : bytes_(std::move(bytes)), step_(step) {}
  std::size_t read(char* into, std::size_t size) override {
    const std::size_t n = std::min({size, step_, bytes_.size() - at_});
    bytes_.copy(into, n, at_);
    at_ += n;
    return n;
  }
  void rewind() override { at_ = 0; }
  const std::string& name() const override { return name_; }

 private:
  std::string bytes_;
  std::size_t step_;
  std::size_t at_ = 0;
  std::string name_ = "trickle";
};

std::string DecodeAll(DecodingSource& source, std::size_t readSize) {
  std::string out;
  char buffer[64];
  for (std::size_t got; (got = source.read(buffer, readSize)) != 0;) {
    out.append(buffer, got);
  }
  return out;
}

struct DecodingCase {
  const char* name;
  const char* codePage;
  std::string bytes;
  std::string utf8;
};

const DecodingCase kDecoding[] = {
    {"Shift_JIS pairs", "Shift_JIS", "{1}{2}\x83\x7C\x95\x5C\r\n", "{1}{2}ポ表\r\n"},
    {"Big5", "Big5", "\xA7\x41\xA6\x6E", "你好"},
    {"GB18030 four bytes", "GB18030", "a\x81\x30\x81\x30z", "a\xC2\x80z"},
    {"windows-1250", "windows-1250", "Za\xBF\xF3\xB3\xE6", "Zażółć"},
};

TEST(DecodingSource, GivesUtf8WhateverTheReadSizes) {
  for (const DecodingCase& c : kDecoding) {
    for (const std::size_t step : {1, 2, 3, 64}) {
      for (const std::size_t readSize : {4, 5, 64}) {
        DecodingSource source(std::make_unique<TrickleSource>(c.bytes, step), c.codePage);
        EXPECT_EQ(DecodeAll(source, readSize), c.utf8)
            << c.name << ", steps of " << step << ", reads of " << readSize;
        source.rewind();
        EXPECT_EQ(DecodeAll(source, 64), c.utf8) << c.name << " after rewind";
      }
    }
  }
}

TEST(DecodingSource, ACharacterCutByTheEndFailsOnItsLine) {
  DecodingSource source(std::make_unique<TrickleSource>("a\r\nb\nc\rd\x83", 1), "Shift_JIS");
  try {
    DecodeAll(source, 64);
    FAIL() << "no failure";
  } catch (const SubtitleError& error) {
    EXPECT_EQ(error.line(), 4);
  }
}

struct DetectionCase {
  const char* name;
  std::string bytes;
  const char* codePage;
};

const DetectionCase kDetection[] = {
    {"plain ASCII", "{1}{2}Hello\r\n", ""},
    {"UTF-8", "{1}{2}Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\r\n", "UTF-8"},
    {"an overlong form is no UTF-8", "{1}{2}\xC0\xAF x", "windows-1252"},
};

TEST(CodePageDetection, UnicodeAndAsciiAreKnownWithoutTheDetector) {
  for (const DetectionCase& c : kDetection) {
    MemorySource source(c.bytes);
    EXPECT_EQ(DetectCodePage(source), c.codePage) << c.name;
    char first = 0;
    EXPECT_EQ(source.read(&first, 1), 1u) << c.name << ": not rewound";
  }
}

}  // namespace
}  // namespace lumetra
