#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lumetra {

// Buffered reader of 8-bit text. Bytes pass through unchanged; a line ends at CR LF, at a
// lone LF or at a lone CR, and each of these reads as one character '\n'. A UTF-8 byte-order
// mark at the very start is set aside and reported by hasByteOrderMark().
// Every failure throws SubtitleError.
class TextReader {
 public:
  static constexpr int kEnd = -1;

  explicit TextReader(const std::string& path);
  ~TextReader();
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;

  bool atEnd();
  // True before a line break and at the end of the stream.
  bool atEndOfLine();
  // Next character, a line break as '\n'; reading past the end fails (62).
  char readChar();
  // Rest of the current line without its break; the break is consumed. Fails at the end.
  void readLine(std::string& line);
  // Rest of the current line and its break. Fails at the end.
  void skipLine();
  // Line of the character read next, counting from 1.
  long lineNumber() const { return line_; }
  bool hasByteOrderMark() const { return bom_; }

 private:
  bool fill();  // false at the end of the file
  int peekByte();
  void consumeLineBreak(char first);

  std::string path_;
  int fd_ = -1;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool eof_ = false;
  bool bom_ = false;
  long line_ = 1;
};

}  // namespace lumetra
