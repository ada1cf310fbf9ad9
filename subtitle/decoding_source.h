#pragma once

#include <iconv.h>

#include <array>
#include <memory>
#include <string>

#include "subtitle/byte_source.h"

namespace lumetra {

// The bytes of another source in a code page, given out as UTF-8. A byte the code page has
// no character for, or a character cut off by the end of the file, is a failure that names
// its line rather than a character made up in its place.
class DecodingSource final : public ByteSource {
 public:
  // `codePage` must be one iconv knows (IsKnownCodePage).
  DecodingSource(std::unique_ptr<ByteSource> bytes, const std::string& codePage);
  ~DecodingSource() override;
  DecodingSource(const DecodingSource&) = delete;
  DecodingSource& operator=(const DecodingSource&) = delete;

  std::size_t read(char* into, std::size_t size) override;
  void rewind() override;
  const std::string& name() const override { return bytes_->name(); }

 private:
  // Decodes the next piece into decoded_; false at the end of the input.
  bool decodeMore();
  // Counts the line breaks in bytes that were decoded, for the line a failure names.
  void countLines(const char* from, const char* to);
  [[noreturn]] void failAt(const char* byte);

  std::unique_ptr<ByteSource> bytes_;
  std::string codePage_;
  iconv_t converter_;
  std::array<char, 16 * 1024> raw_{};
  std::size_t rawBegin_ = 0;
  std::size_t rawEnd_ = 0;
  std::string decoded_;
  std::size_t decodedBegin_ = 0;
  long lineBreaks_ = 0;
  bool afterCarriageReturn_ = false;
  bool atEnd_ = false;
};

}  // namespace lumetra
