#pragma once

#include <stdexcept>
#include <string>

namespace lumetra {

// Failure numbers, as the classic runtime numbered them where one fits.
namespace error_number {
inline constexpr int kInvalidCall = 5;    // a frame number left open
inline constexpr int kOverflow = 6;       // a number too large to be a time
inline constexpr int kOutOfMemory = 7;    // a line or a text too long to hold
inline constexpr int kTypeMismatch = 13;  // a format failure
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIo = 57;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kInvalidFileFormat = 321;
}  // namespace error_number

// What was being done to a file when it failed; named in the failure's description.
enum class FileAction { Reading, Writing, Deleting };

// A failure inside the subtitle layer. Format failures (a digit expected and something else
// found) have their own kind; every other failure carries a number and a description.
class SubtitleError : public std::runtime_error {
 public:
  enum class Kind { Format, Other };
  SubtitleError(Kind kind, int number, const std::string& description, long line = 0)
      : std::runtime_error(description), kind_(kind), number_(number), line_(line) {}

  static SubtitleError Format(long line);
  static SubtitleError UnknownFormat();
  // The failures of reading `path` that are no format failure; each names the file.
  static SubtitleError Empty(const std::string& path);
  static SubtitleError NotARegularFile(const std::string& path, bool folder);
  static SubtitleError NumberTooLarge(long line, const std::string& path);
  static SubtitleError UnclosedFrameNumber(long line, const std::string& path);
  static SubtitleError TooLong(const char* what, long line, const std::string& path);
  static SubtitleError OutOfMemory(const std::string& path);
  static SubtitleError UnknownCodePage(const std::string& name);
  // From an errno value of a failed open, read, write, rename or delete of `path`; the
  // description names the file and the action: "Permission denied (writing /films/a.srt)".
  static SubtitleError FromErrno(int error, const std::string& path, FileAction action);

  Kind kind() const { return kind_; }
  int number() const { return number_; }
  const char* description() const { return what(); }
  long line() const { return line_; }
  void setLine(long line) { line_ = line; }

 private:
  Kind kind_;
  int number_;
  long line_;
};

}  // namespace lumetra
