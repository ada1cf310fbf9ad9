#include "subtitle/decoding_source.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "subtitle/subtitle_error.h"

namespace lumetra {

DecodingSource::DecodingSource(std::unique_ptr<ByteSource> bytes, const std::string& codePage)
    : bytes_(std::move(bytes)),
      codePage_(codePage),
      converter_(iconv_open("UTF-8", codePage.c_str())) {
  if (converter_ == reinterpret_cast<iconv_t>(-1)) {
    throw std::invalid_argument("no converter from " + codePage);
  }
}

DecodingSource::~DecodingSource() {
  iconv_close(converter_);
}

void DecodingSource::rewind() {
  bytes_->rewind();
  iconv(converter_, nullptr, nullptr, nullptr, nullptr);
  rawBegin_ = rawEnd_ = 0;
  decoded_.clear();
  decodedBegin_ = 0;
  lineBreaks_ = 0;
  afterCarriageReturn_ = false;
  atEnd_ = false;
}

void DecodingSource::countLines(const char* from, const char* to) {
  // CR LF, a lone LF and a lone CR each end a line, as the line reader counts them.
  for (; from != to; ++from) {
    if (*from == '\n') {
      lineBreaks_ += afterCarriageReturn_ ? 0 : 1;
    } else if (*from == '\r') {
      ++lineBreaks_;
    }
    afterCarriageReturn_ = *from == '\r';
  }
}

void DecodingSource::failAt(const char* byte) {
  countLines(raw_.data() + rawBegin_, byte);
  const long line = lineBreaks_ + 1;
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(*byte));
  throw SubtitleError(SubtitleError::Kind::Other, error_number::kInvalidFileFormat,
                      "Line " + std::to_string(line) + " holds the byte " + hex + ", which is no " +
                          codePage_ + " text (reading " + name() + ")",
                      line);
}

std::size_t DecodingSource::read(char* into, std::size_t size) {
  while (decodedBegin_ == decoded_.size()) {
    if (!decodeMore()) {
      return 0;
    }
  }
  const std::size_t given = std::min(size, decoded_.size() - decodedBegin_);
  std::memcpy(into, decoded_.data() + decodedBegin_, given);
  decodedBegin_ += given;
  return given;
}

bool DecodingSource::decodeMore() {
  if (!atEnd_) {
    // What is left is the start of a character that the next piece completes.
    std::memmove(raw_.data(), raw_.data() + rawBegin_, rawEnd_ - rawBegin_);
    rawEnd_ -= rawBegin_;
    rawBegin_ = 0;
    const std::size_t got = bytes_->read(raw_.data() + rawEnd_, raw_.size() - rawEnd_);
    rawEnd_ += got;
    atEnd_ = got == 0;
  }
  if (rawBegin_ == rawEnd_) {
    return false;
  }
  // No character of these code pages takes more than four bytes in UTF-8.
  decoded_.resize(4 * (rawEnd_ - rawBegin_));
  decodedBegin_ = 0;
  char* in = raw_.data() + rawBegin_;
  std::size_t inLeft = rawEnd_ - rawBegin_;
  char* out = decoded_.data();
  std::size_t outLeft = decoded_.size();
  const bool failed =
      iconv(converter_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1);
  const int error = failed ? errno : 0;
  decoded_.resize(static_cast<std::size_t>(out - decoded_.data()));
  if (error == EILSEQ || (error == EINVAL && atEnd_)) {
    failAt(in);
  }
  countLines(raw_.data() + rawBegin_, in);
  rawBegin_ = static_cast<std::size_t>(in - raw_.data());
  return true;
}

}  // namespace lumetra
