#include "subtitle/text_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {
constexpr std::size_t kBufferSize = 1 << 20;
constexpr unsigned char kBom[] = {0xEF, 0xBB, 0xBF};

// First CR or LF in [begin, stop), or stop. memchr is vectorised; a byte loop is not.
const char* FindLineBreak(const char* begin, const char* stop) {
  const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', stop - begin));
  const char* limit = lf ? lf : stop;
  const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', limit - begin));
  return cr ? cr : limit;
}
}  // namespace

TextReader::TextReader(const std::string& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) {
    throw SubtitleError::FromErrno(errno, path, FileAction::Reading);
  }
  buffer_.resize(kBufferSize);
  // Make sure a folder given as input fails here, not in the middle of a run.
  try {
    fill();
  } catch (...) {
    ::close(fd_);
    throw;
  }
  if (end_ >= 3 && std::memcmp(buffer_.data(), kBom, 3) == 0) {
    bom_ = true;
    pos_ = 3;
  }
}

TextReader::~TextReader() {
  if (fd_ >= 0) {
    ::close(fd_);
  }
}

bool TextReader::fill() {
  if (eof_) {
    return false;
  }
  pos_ = 0;
  end_ = 0;
  for (;;) {
    const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
    if (got > 0) {
      end_ = static_cast<std::size_t>(got);
      return true;
    }
    if (got == 0) {
      eof_ = true;
      return false;
    }
    if (errno != EINTR) {
      SubtitleError error = SubtitleError::FromErrno(errno, path_, FileAction::Reading);
      error.setLine(line_);
      throw error;
    }
  }
}

int TextReader::peekByte() {
  if (pos_ == end_ && !fill()) {
    return kEnd;
  }
  return static_cast<unsigned char>(buffer_[pos_]);
}

bool TextReader::atEnd() {
  return peekByte() == kEnd;
}

bool TextReader::atEndOfLine() {
  const int next = peekByte();
  return next == kEnd || next == '\r' || next == '\n';
}

void TextReader::consumeLineBreak(char first) {
  ++line_;
  if (first == '\r' && peekByte() == '\n') {
    ++pos_;
  }
}

char TextReader::readChar() {
  const int next = peekByte();
  if (next == kEnd) {
    throw SubtitleError::PastEnd(line_);
  }
  ++pos_;
  if (next == '\r' || next == '\n') {
    consumeLineBreak(static_cast<char>(next));
    return '\n';
  }
  return static_cast<char>(next);
}

void TextReader::readLine(std::string& line) {
  line.clear();
  if (atEnd()) {
    throw SubtitleError::PastEnd(line_);
  }
  for (;;) {
    if (pos_ == end_ && !fill()) {
      return;  // the last line of a file without a final line break
    }
    const char* begin = buffer_.data() + pos_;
    const char* stop = buffer_.data() + end_;
    const char* p = FindLineBreak(begin, stop);
    line.append(begin, p);
    pos_ += static_cast<std::size_t>(p - begin);
    if (p != stop) {
      ++pos_;
      consumeLineBreak(*p);
      return;
    }
  }
}

void TextReader::skipLine() {
  if (atEnd()) {
    throw SubtitleError::PastEnd(line_);
  }
  for (;;) {
    if (pos_ == end_ && !fill()) {
      return;
    }
    const char* begin = buffer_.data() + pos_;
    const char* stop = buffer_.data() + end_;
    const char* p = FindLineBreak(begin, stop);
    pos_ += static_cast<std::size_t>(p - begin);
    if (p != stop) {
      ++pos_;
      consumeLineBreak(*p);
      return;
    }
  }
}

}  // namespace lumetra
