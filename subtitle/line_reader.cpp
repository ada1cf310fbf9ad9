#include "subtitle/line_reader.h"

#include <algorithm>
#include <cstring>

#include "subtitle/reading_paths.h"
#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {

constexpr std::size_t kLongestMark = 4;

// Room for one read chunk decoded (UTF-16 turns two bytes into at most three, UTF-32 four
// into at most four), with some to spare.
std::size_t ChunkRoom(std::size_t readSize) {
  return 2 * readSize + 16;
}
// The buffer grows up to room for the longest line, a CR waiting for its LF and a chunk.
constexpr std::size_t kFirstLineRoom = 4096;

}  // namespace

LineReader::LineReader(std::unique_ptr<ByteSource> source)
    : source_(std::move(source)),
      readSize_(std::max<std::size_t>(CurrentReadingPaths().readSize, 1)),
      capacity_(kFirstLineRoom + ChunkRoom(readSize_)),
      buffer_(new char[capacity_]) {
  start();
}

void LineReader::start() {
  begin_ = 0;
  end_ = 0;
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
  // What is not given out yet moves to the front; lines given before lose their place.
  std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
  end_ -= begin_;
  begin_ = 0;
  if (end_ + ChunkRoom(readSize_) > capacity_) {
    // A long line: never more than the longest line and a chunk, as next() refuses longer.
    capacity_ = std::max(2 * capacity_, end_ + ChunkRoom(readSize_));
    std::unique_ptr<char[]> larger(new char[capacity_]);
    std::memcpy(larger.get(), buffer_.get(), end_);
    buffer_ = std::move(larger);
  }
  const std::size_t before = end_;
  if (IsTranscoded(encoding_)) {
    raw_.resize(readSize_);
    const std::size_t got = source_->read(raw_.data(), readSize_);
    eof_ = got == 0;
    append(std::string_view(raw_.data(), got));
  } else {
    const std::size_t got = source_->read(buffer_.get() + end_, readSize_);
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
    if (const char* after = NextLineStart(lineBreak, stop, eof_)) {
      line = std::string_view(begin, length);
      begin_ = static_cast<std::size_t>(after - buffer_.get());
      ++line_;
      return true;
    }
    // A break that only the next bytes complete, or none yet: read on. At the end of the
    // input a CR is a whole break, and what is left is the last line, without a break.
    if (fill() || lineBreak != stop) {
      continue;
    }
    if (begin_ == end_) {
      return false;
    }
    line = std::string_view(buffer_.get() + begin_, end_ - begin_);
    begin_ = end_;
    ++line_;
    return true;
  }
}

void LineReader::pass(std::size_t length, long lines) {
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
