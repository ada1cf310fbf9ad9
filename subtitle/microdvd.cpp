#include "subtitle/microdvd.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "subtitle/entry_io.h"
#include "subtitle/line_reader.h"
#include "subtitle/number_text.h"
#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {

constexpr std::size_t kShortestEntryLine = 4;
constexpr std::uint64_t kLargestFrame = 999'999'999'999'999;  // below 10^15

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Copies `text` to `out` with every `from` written as `to`; returns the end of the copy. One
// pass that the compiler turns into vector instructions.
char* CopyReplacing(char* out, std::string_view text, char from, char to) {
  const char* const in = text.data();
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size; ++i) {
    out[i] = in[i] == from ? to : in[i];
  }
  return out + size;
}

// Reads a frame number from `pos` up to its closing '}' and moves past it. A line that ends
// before the field begins gives 0; one that ends inside it is a failure of its own.
double ReadFrameField(std::string_view line, std::size_t& pos, long lineNumber,
                      const std::string& inputName) {
  const char* p = line.data() + pos;
  const char* const end = line.data() + line.size();
  const bool negative = p != end && *p == '-';
  p += negative ? 1 : 0;
  const char* const first = p;
  while (p != end && *p == '0') {
    ++p;  // leading zeros add nothing, however many there are
  }
  const char* const significant = p;
  std::uint64_t value = 0;
  while (p != end && IsDigit(*p)) {
    value = value * 10 + static_cast<unsigned>(*p - '0');
    ++p;
    if (p - significant > 15) {
      throw SubtitleError::NumberTooLarge(lineNumber, inputName);
    }
  }
  if (p == end) {
    if (p == first) {
      pos = line.size();
      return 0;
    }
    throw SubtitleError::UnclosedFrameNumber(lineNumber, inputName);
  }
  if (*p != '}') {
    throw SubtitleError::Format(lineNumber);
  }
  if (value > kLargestFrame) {
    throw SubtitleError::NumberTooLarge(lineNumber, inputName);
  }
  pos = static_cast<std::size_t>(p + 1 - line.data());
  const auto frames = static_cast<double>(value);
  return negative ? -frames : frames;
}

class MicroDvdReader final : public EntryReader {
 public:
  MicroDvdReader(LineReader& lines, long frameRateLine)
      : lines_(lines), frameRateLine_(frameRateLine) {}

  Step next(SubtitleEntry& entry) override {
    std::string_view line;
    do {
      if (!lines_.next(line)) {
        return Step::End;
      }
    } while (lines_.lineNumber() == frameRateLine_);
    if (line.size() < kShortestEntryLine || IsBlank(line)) {
      return Step::NoEntry;
    }
    ParseMicroDvdLine(line, entry, lines_.lineNumber(), lines_.name());
    return Step::Entry;
  }

  bool atEnd() override { return lines_.atEnd(); }

 private:
  LineReader& lines_;
  long frameRateLine_;
};

class MicroDvdWriter final : public BufferedEntryWriter {
 public:
  explicit MicroDvdWriter(ByteSink& sink) : BufferedEntryWriter(sink) {}

  void write(const SubtitleEntry& entry, bool hasEnd, long long, bool) override {
    // "{start}{end}": two numbers of 20 digits at most, then the text and CR LF.
    char* const begin = start(entry.text.size() + 48);
    char* p = begin;
    *p++ = '{';
    p = PutTime(p, entry.start);
    *p++ = '}';
    *p++ = '{';
    if (hasEnd) {
      p = PutTime(p, entry.end);
    }
    *p++ = '}';
    p = CopyReplacing(p, entry.text, kLineBreak, '|');
    *p++ = '\r';
    *p++ = '\n';
    hand(begin, p);
  }
};

bool RecognisesMicroDvd(const OpeningLines& lines) {
  return lines.first.starts_with('{') &&
         (!lines.nextNonBlank || lines.nextNonBlank->starts_with('{'));
}

// The rate a text of digits, with one "." or "," among them, declares; nullopt for any other
// text. Spaces and tabs around it do not count.
std::optional<double> DeclaredRate(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  std::string number(text);
  const auto separator = number.find_first_of(".,");
  if (separator != std::string::npos) {
    number[separator] = '.';
  }
  const bool digitsAround = separator != 0 && separator != number.size() - 1;
  if (!digitsAround || number.find_first_not_of("0123456789.") != std::string::npos ||
      number.find('.', separator == std::string::npos ? 0 : separator + 1) != std::string::npos) {
    return std::nullopt;
  }
  double rate = 0;
  const auto parsed = std::from_chars(number.data(), number.data() + number.size(), rate);
  if (parsed.ec != std::errc() || !(rate > 0)) {
    return std::nullopt;
  }
  return rate;
}

}  // namespace

void ParseMicroDvdLine(std::string_view line, SubtitleEntry& entry, long lineNumber,
                       const std::string& inputName) {
  std::size_t pos = 1;  // the opening character is not looked at
  entry.start = ReadFrameField(line, pos, lineNumber, inputName);
  ++pos;  // nor is the one after the first '}'
  if (pos >= line.size()) {
    entry.end = 0;
    entry.text.clear();
    return;
  }
  entry.end = ReadFrameField(line, pos, lineNumber, inputName);
  const std::string_view text = line.substr(std::min(pos, line.size()));
  entry.text.resize(text.size());
  CopyReplacing(entry.text.data(), text, '|', kLineBreak);
}

std::optional<FrameRateLine> FindFrameRateLine(LineReader& lines) {
  std::string_view line;
  while (lines.next(line)) {
    if (line.size() < kShortestEntryLine || IsBlank(line)) {
      continue;
    }
    SubtitleEntry entry;
    try {
      ParseMicroDvdLine(line, entry, lines.lineNumber(), lines.name());
    } catch (const SubtitleError&) {
      return std::nullopt;  // reading the entries will say what is wrong with it
    }
    const bool frameFields = entry.start == entry.end && (entry.start == 0 || entry.start == 1);
    const std::optional<double> rate = frameFields ? DeclaredRate(entry.text) : std::nullopt;
    if (!rate) {
      return std::nullopt;
    }
    return FrameRateLine{lines.lineNumber(), std::string(line), line.size() - entry.text.size(),
                         *rate};
  }
  return std::nullopt;
}

std::string DeclaringRate(const FrameRateLine& frameRateLine, std::string_view rateText) {
  return frameRateLine.line.substr(0, frameRateLine.rateAt) + std::string(rateText);
}

const FormatDescription& MicroDvdFormat() {
  static const FormatDescription description{
      SubtitleFormat::MicroDvd,
      "MicroDVD",
      "sub",
      true,
      true,
      RecognisesMicroDvd,
      [](LineReader& lines, long frameRateLine) -> std::unique_ptr<EntryReader> {
        return std::make_unique<MicroDvdReader>(lines, frameRateLine);
      },
      [](ByteSink& sink) -> std::unique_ptr<EntryWriter> {
        return std::make_unique<MicroDvdWriter>(sink);
      },
  };
  return description;
}

}  // namespace lumetra
