#include "subtitle/line_reader.h"

#include <cstring>

#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {

constexpr std::size_t kReadSize = std::size_t{256} << 10;
constexpr std::size_t kLongestMark = 4;

}  // namespace

// Room for the line given last, the longest line after it, a CR waiting for its LF, and one
// decoded chunk (UTF-16 turns two bytes into at most three).
constexpr std::size_t kCapacity = 2 * LineReader::kLongestLine + 2 * kReadSize + 16;

LineReader::LineReader(std::unique_ptr<ByteSource> source)
    : source_(std::move(source)), buffer_(new char[kCapacity]) {
  start();
}

void LineReader::start() {
  begin_ = 0;
  end_ = 0;
  lastLine_ = 0;
  eof_ = false;
  line_ = 0;
  // The longest mark is four bytes; a shorter file is judged by what it has.
  char head[kLongestMark];
  std::size_t size = 0;
  while (size < kLongestMark) {
    const std::size_t got = source_->read(head + size, kLongestMark - size);
    if (got == 0) {
      eof_ = true;
      break;
    }
    size += got;
  }
  anyByte_ = size > 0;
  std::size_t markLength = 0;
  encoding_ = EncodingOfMark(std::string_view(head, size), markLength);
  decoder_ = Utf8Decoder(encoding_);
  append(std::string_view(head + markLength, size - markLength));
}

void LineReader::rewind() {
  source_->rewind();
  start();
}

void LineReader::append(std::string_view bytes) {
  if (!IsTranscoded(encoding_)) {
    std::memcpy(buffer_.get() + end_, bytes.data(), bytes.size());
    end_ += bytes.size();
    return;
  }
  decoded_.clear();
  decoder_.decode(bytes, decoded_);
  if (eof_) {
    decoder_.finish(decoded_);
  }
  std::memcpy(buffer_.get() + end_, decoded_.data(), decoded_.size());
  end_ += decoded_.size();
}

bool LineReader::fill() {
  if (eof_) {
    return false;
  }
  // The line given last stays where it can still be looked at.
  std::memmove(buffer_.get(), buffer_.get() + lastLine_, end_ - lastLine_);
  end_ -= lastLine_;
  begin_ -= lastLine_;
  lastLine_ = 0;
  const std::size_t before = end_;
  if (IsTranscoded(encoding_)) {
    raw_.resize(kReadSize);
    const std::size_t got = source_->read(raw_.data(), kReadSize);
    eof_ = got == 0;
    append(std::string_view(raw_.data(), got));
  } else {
    const std::size_t got = source_->read(buffer_.get() + end_, kReadSize);
    eof_ = got == 0;
    end_ += got;
  }
  return end_ > before || !eof_;
}

bool LineReader::next(std::string_view& line) {
  for (;;) {
    const char* begin = buffer_.get() + begin_;
    const char* stop = buffer_.get() + end_;
    const char* lineBreak = FindLineBreak(begin, stop);
    const auto length = static_cast<std::size_t>(lineBreak - begin);
    if (length > kLongestLine) {
      throw SubtitleError::TooLong("Line", line_ + 1, name());
    }
    if (lineBreak != stop) {
      // A CR at the end of what is buffered may be the first half of CR LF.
      if (*lineBreak == '\r' && lineBreak + 1 == stop && !eof_) {
        fill();
        continue;
      }
      line = std::string_view(begin, length);
      lastLine_ = begin_;
      begin_ += length + 1;
      if (*lineBreak == '\r' && begin_ < end_ && buffer_[begin_] == '\n') {
        ++begin_;
      }
      ++line_;
      return true;
    }
    if (!fill()) {
      // The last line, without a break of its own; fill() may have moved it.
      const std::size_t rest = end_ - begin_;
      if (rest == 0) {
        return false;
      }
      line = std::string_view(buffer_.get() + begin_, rest);
      lastLine_ = begin_;
      begin_ = end_;
      ++line_;
      return true;
    }
  }
}

void LineReader::pass(std::size_t length, long lines, std::size_t lastLine) {
  lastLine_ = begin_ + lastLine;
  begin_ += length;
  line_ += lines;
}

bool LineReader::atEnd() {
  while (begin_ == end_) {
    if (!fill()) {
      return true;
    }
  }
  return false;
}

}  // namespace lumetra
