#include "subtitle/microdvd.h"

#include <cmath>

#include "subtitle/number_text.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/units.h"

namespace lumetra {
namespace {

constexpr std::size_t kShortestEntryLine = 4;

// Reads the digits of a frame number from `pos` up to its closing '}' and moves past it.
// A line that ends before any character of the field gives 0; one that ends after digits
// is a failure of its own kind, a character that is no digit a format failure.
double ReadFrameField(const std::string& line, std::size_t& pos, long lineNumber) {
  // Digits are gathered as an integer while that is exact and fast, then as a double, which
  // stays a whole number (approximate beyond 2^53) as long as it is finite.
  constexpr unsigned long long kExactLimit = 1'000'000'000'000'000ULL;
  unsigned long long whole = 0;
  double value = 0;
  bool large = false;
  const std::size_t first = pos;
  for (;;) {
    if (pos >= line.size()) {
      if (pos == first) {
        return 0;
      }
      throw SubtitleError(SubtitleError::Kind::Other, 5, "Frame number not closed by '}'",
                          lineNumber);
    }
    const char c = line[pos++];
    if (c == '}') {
      return large ? value : static_cast<double>(whole);
    }
    if (c < '0' || c > '9') {
      throw SubtitleError::Format(lineNumber);
    }
    if (!large && whole < kExactLimit) {
      whole = whole * 10 + static_cast<unsigned>(c - '0');
      continue;
    }
    if (!large) {
      large = true;
      value = static_cast<double>(whole);
    }
    value = value * 10 + (c - '0');
    if (!std::isfinite(value)) {
      throw SubtitleError::Format(lineNumber);
    }
  }
}

}  // namespace

void ParseMicroDvdLine(const std::string& line, SubtitleEntry& entry, long lineNumber) {
  std::size_t pos = 1;  // the opening character is not looked at
  entry.start = ReadFrameField(line, pos, lineNumber);
  ++pos;  // nor is the one after the first '}'
  if (pos >= line.size()) {
    entry.end = 0;
    entry.text.clear();
    return;
  }
  entry.end = ReadFrameField(line, pos, lineNumber);
  entry.text.assign(line, std::min(pos, line.size()));
}

bool ReadMicroDvdEntry(TextReader& input, SubtitleEntry& entry) {
  static thread_local std::string line;
  const long lineNumber = input.lineNumber();
  input.readLine(line);
  if (line.size() < kShortestEntryLine) {
    return false;
  }
  ParseMicroDvdLine(line, entry, lineNumber);
  return true;
}

void WriteMicroDvdEntry(OutputFile& output, const SubtitleEntry& entry, double inputUnitsPerSecond,
                        double outputUnitsPerSecond) {
  static thread_local std::string line;
  line.clear();
  line.push_back('{');
  AppendWholeNumber(
      line, std::max(0.0, ConvertUnits(entry.start, inputUnitsPerSecond, outputUnitsPerSecond)));
  line.push_back('}');
  line.push_back('{');
  if (entry.end != 0) {
    AppendWholeNumber(
        line, std::max(0.0, ConvertUnits(entry.end, inputUnitsPerSecond, outputUnitsPerSecond)));
  }
  line += '}';
  line += entry.text;
  output.writeLine(line);
}

}  // namespace lumetra
