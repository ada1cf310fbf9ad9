#include "operations/end_frame_scan.h"

#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> GuessEndFrame(const std::string& line, long lineNumber) {
  if (line.size() < 4) {
    return std::nullopt;
  }
  // The start field is not looked at: the first '}' from the second character on closes
  // it, and the character after that '}' is skipped.
  const auto firstClose = line.find('}', 1);
  if (firstClose == std::string::npos) {
    return std::nullopt;
  }
  double end = 0;
  bool digits = false;
  for (std::size_t i = firstClose + 2; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '}') {
      // Usable only with an end field of one digit or more and a text after it.
      if (!digits || i + 1 >= line.size()) {
        return std::nullopt;
      }
      return end;
    }
    if (!IsDigit(c)) {
      throw SubtitleError::Format(lineNumber);
    }
    end = end * 10 + (c - '0');
    digits = true;
  }
  return std::nullopt;  // the end field is never closed
}

}  // namespace lumetra
