#pragma once

#include <bit>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "subtitle/byte_source.h"
#include "subtitle/chunk_match.h"
#include "subtitle/code_page.h"
#include "subtitle/text_encoding.h"

namespace lumetra {

// The first CR or LF in [p, stop), or stop. Subtitle lines are short: one pass over 16
// bytes at a time beats a call of memchr for each.
inline const char* FindLineBreak(const char* p, const char* stop) {
  for (; stop - p >= kChunk; p += kChunk) {
    if (const unsigned found = Equal(p, '\n', '\r').bits(); found != 0) {
      return p + std::countr_zero(found);
    }
  }
  for (; p != stop; ++p) {
    if (*p == '\n' || *p == '\r') {
      return p;
    }
  }
  return stop;
}

// Where the line whose break was found at `lineBreak` by FindLineBreak is followed by the next.
// The one rule of line breaks: CR LF, a lone LF or a lone CR. nullptr while that cannot be told
// yet: no break before `stop`, or a CR at the last byte that may be the first half of CR LF
// unless `inputEnds` says that no byte comes after `stop`.
inline const char* NextLineStart(const char* lineBreak, const char* stop, bool inputEnds) {
  if (lineBreak == stop) {
    return nullptr;
  }
  if (*lineBreak == '\n') {
    return lineBreak + 1;
  }
  if (lineBreak + 1 == stop) {
    return inputEnds ? stop : nullptr;
  }
  return lineBreak[1] == '\n' ? lineBreak + 2 : lineBreak + 1;
}

// Reads an input line by line. A line ends at CR LF, at a lone LF or at a lone CR. The
// byte-order mark at the start tells the encoding: it is set aside, and UTF-16 or UTF-32 text
// is turned into UTF-8; any other bytes pass through unchanged. A line may be 1 MiB long;
// a longer one is a failure that names it, so memory stays flat for any input. The source is
// read in pieces of the size ReadingPaths sets when the reader is made.
class LineReader {
 public:
  static constexpr std::size_t kLongestLine = std::size_t{1} << 20;

  explicit LineReader(std::unique_ptr<ByteSource> source);

  // The next line without its break; false at the end. The line's view lasts until the next
  // call of next(), atEnd() or rewind(): a caller that needs it longer keeps a copy.
  bool next(std::string_view& line);
  bool atEnd();
  // What is read ahead and not yet given out, for a reader that takes in whole runs of lines
  // where they lie; it may end inside a line. Lasts until the next call of any other member.
  std::string_view ahead() const { return std::string_view(buffer_.get() + begin_, end_ - begin_); }
  // Gives out at once the `lines` lines in the first `length` bytes of ahead(), their breaks
  // with them.
  void pass(std::size_t length, long lines);
  // Number of the line `next` gave last, counting from 1.
  long lineNumber() const { return line_; }
  // Back to the first line, for a second look at an input that was opened once.
  void rewind();

  TextEncoding encoding() const { return encoding_; }
  // The lead bytes of a double-byte code page whose bytes pass through: a reader must not
  // take the byte after one for a character of its own.
  LeadBytes leadBytes() const { return leadBytes_; }
  void setLeadBytes(LeadBytes leads) { leadBytes_ = leads; }
  // True when the input holds no byte at all (not even a byte-order mark).
  bool holdsNoByte() const { return !anyByte_; }
  // The input's path, for the failures that name it.
  const std::string& name() const { return source_->name(); }

 private:
  void start();
  bool fill();                          // false when the input has nothing more
  void append(std::string_view bytes);  // read bytes, decoded where need be

  std::unique_ptr<ByteSource> source_;
  std::size_t readSize_;  // bytes asked for at once
  std::size_t capacity_;
  TextEncoding encoding_ = TextEncoding::Bytes;
  LeadBytes leadBytes_ = LeadBytes::None;
  Utf8Decoder decoder_{TextEncoding::Bytes};
  std::unique_ptr<char[]> buffer_;  // text not yet given out: [begin_, end_)
  std::string raw_;
  std::string decoded_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool anyByte_ = false;
  long line_ = 0;
};

}  // namespace lumetra
