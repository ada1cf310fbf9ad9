#include "subtitle/subrip.h"

#include <algorithm>
#include <cmath>

#include "subtitle/number_text.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/units.h"

namespace lumetra {
namespace {

constexpr int kSkippedBetweenTimes = 5;  // " --> "

int ReadDigit(TextReader& input) {
  const long line = input.lineNumber();
  const char c = input.readChar();
  if (c < '0' || c > '9') {
    throw SubtitleError::Format(line);
  }
  return c - '0';
}

int ReadDigits(TextReader& input, int count) {
  int value = 0;
  for (int i = 0; i < count; ++i) {
    value = value * 10 + ReadDigit(input);
  }
  return value;
}

// hh:mm:ss,mmm, the three separators not looked at.
double ReadTime(TextReader& input) {
  const int hours = ReadDigits(input, 2);
  input.readChar();
  const int minutes = ReadDigits(input, 2);
  input.readChar();
  const int seconds = ReadDigits(input, 2);
  input.readChar();
  const int milliseconds = ReadDigits(input, 3);
  return hours * 3600000.0 + minutes * 60000.0 + seconds * 1000.0 + milliseconds;
}

void AppendTwoDigits(std::string& out, long long value) {
  const char digits[2] = {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
  out.append(digits, 2);
}

}  // namespace

void ReadSubRipEntry(TextReader& input, SubtitleEntry& entry) {
  input.skipLine();  // the block number is never read; writers number anew

  double times[2] = {0, 0};  // a time the line does not hold is 0
  for (int read = 0; read < 2 && !input.atEndOfLine(); ++read) {
    times[read] = ReadTime(input);
    if (read == 0) {
      for (int i = 0; i < kSkippedBetweenTimes; ++i) {
        input.readChar();
      }
    }
  }
  entry.start = times[0];
  entry.end = times[1];
  input.skipLine();

  static thread_local std::string line;
  entry.text.clear();
  bool first = true;
  while (!input.atEnd()) {
    input.readLine(line);
    if (line.empty()) {
      break;
    }
    if (!first) {
      entry.text += '|';
    }
    entry.text += line;
    first = false;
  }

  // Normally the first digit of the next block's number; otherwise one surplus empty line
  // (the character may itself be its line break) or a stray line is absorbed.
  if (!input.atEnd()) {
    const char c = input.readChar();
    const bool numberDigit = c >= '1' && c <= '9';
    if (!numberDigit && c != '\n' && !input.atEnd()) {
      input.skipLine();
    }
  }
}

void AppendSubRipTime(std::string& out, double milliseconds) {
  long long t = static_cast<long long>(std::max(0.0, milliseconds));
  const long long hours = t / 3600000;
  t -= hours * 3600000;
  const long long minutes = t / 60000;
  t -= minutes * 60000;
  const long long seconds = t / 1000;
  t -= seconds * 1000;
  if (hours >= 100) {
    AppendWholeNumber(out, static_cast<double>(hours));
  } else {
    AppendTwoDigits(out, hours);
  }
  // One append for the fixed-width rest: ":mm:ss,mmm".
  const char rest[10] = {':',
                         static_cast<char>('0' + minutes / 10),
                         static_cast<char>('0' + minutes % 10),
                         ':',
                         static_cast<char>('0' + seconds / 10),
                         static_cast<char>('0' + seconds % 10),
                         ',',
                         static_cast<char>('0' + t / 100),
                         static_cast<char>('0' + t / 10 % 10),
                         static_cast<char>('0' + t % 10)};
  out.append(rest, sizeof rest);
}

std::string SubRipTime(double milliseconds) {
  std::string text;
  AppendSubRipTime(text, milliseconds);
  return text;
}

void WriteSubRipBlock(OutputFile& output, long long number, double startMs, double endMs,
                      const std::string& text, bool inputAtEnd) {
  static thread_local std::string block;
  block.clear();
  AppendWholeNumber(block, static_cast<double>(number));
  block += "\r\n";
  AppendSubRipTime(block, startMs);
  block += " --> ";
  AppendSubRipTime(block, endMs);
  block += "\r\n";
  // Every '|' starts a new line; empty pieces give empty lines.
  std::size_t from = 0;
  for (;;) {
    const auto bar = text.find('|', from);
    block.append(text, from, bar == std::string::npos ? std::string::npos : bar - from);
    block += "\r\n";
    if (bar == std::string::npos) {
      break;
    }
    from = bar + 1;
  }
  if (!inputAtEnd) {
    block += "\r\n";
  }
  output.write(block);
}

void WriteSubRipEntry(OutputFile& output, const SubtitleEntry& entry, long long number,
                      double inputUnitsPerSecond, double outputUnitsPerSecond, bool inputAtEnd) {
  WriteSubRipBlock(
      output, number, ConvertUnits(entry.start, inputUnitsPerSecond, outputUnitsPerSecond),
      ConvertUnits(entry.end, inputUnitsPerSecond, outputUnitsPerSecond), entry.text, inputAtEnd);
}

}  // namespace lumetra
