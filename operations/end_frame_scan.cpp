#include "operations/end_frame_scan.h"

#include <cstdint>

#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {

constexpr std::uint64_t kLargestFrame = 999'999'999'999'999;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> GuessEndFrame(std::string_view line, long lineNumber,
                                    const std::string& inputName) {
  if (line.size() < 4) {
    return std::nullopt;
  }
  // The start field is not looked at: the first '}' from the second character on closes
  // it, and the character after that '}' is skipped.
  const auto firstClose = line.find('}', 1);
  if (firstClose == std::string_view::npos) {
    return std::nullopt;
  }
  std::size_t i = firstClose + 2;
  if (i < line.size() && line[i] == '-') {
    return std::nullopt;  // a frame before the movie starts ends nothing
  }
  std::uint64_t end = 0;
  bool digits = false;
  for (; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '}') {
      // Usable only with an end field of one digit or more and a text after it.
      if (!digits || i + 1 >= line.size()) {
        return std::nullopt;
      }
      return static_cast<double>(end);
    }
    if (!IsDigit(c)) {
      throw SubtitleError::Format(lineNumber);
    }
    end = end * 10 + static_cast<unsigned>(c - '0');
    if (end > kLargestFrame) {
      throw SubtitleError::NumberTooLarge(lineNumber, inputName);
    }
    digits = true;
  }
  return std::nullopt;  // the end field is never closed
}

}  // namespace lumetra
