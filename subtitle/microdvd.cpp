#include "subtitle/microdvd.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "subtitle/entry_io.h"
#include "subtitle/line_reader.h"
#include "subtitle/number_text.h"
#include "subtitle/reading_paths.h"
#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {

constexpr std::size_t kShortestEntryLine = 4;
constexpr std::ptrdiff_t kMostFrameDigits = 15;  // frames stay below 10^15

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

// The text of a line with its "|" turned into line breaks, at `out`. In a double-byte code
// page the byte after a lead byte belongs to that character, whatever it is.
void CopyText(std::string& out, std::string_view text, LeadBytes leads) {
  out.resize(text.size());
  if (leads == LeadBytes::None) {
    CopyReplacing(out.data(), text, '|', kLineBreak);
    return;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    out[i] = text[i] == '|' ? kLineBreak : text[i];
    if (IsLeadByte(static_cast<unsigned char>(text[i]), leads) && i + 1 < text.size()) {
      ++i;
      out[i] = text[i];
    }
  }
}

// The number of decimal digits `word` starts with, its first byte first (0 to 8). A byte is
// a digit when it is 0x3? and stays so with 6 added; a carry out of a byte that is none
// only touches bytes after it.
inline int LeadingDigits(std::uint64_t word) {
  constexpr std::uint64_t kHighHalves = 0xF0F0F0F0F0F0F0F0;
  constexpr std::uint64_t kZeros = 0x3030303030303030;
  const std::uint64_t others =
      ((word & kHighHalves) ^ kZeros) | (((word + 0x0606060606060606) & kHighHalves) ^ kZeros);
  return others == 0 ? 8 : std::countr_zero(others) / 8;
}

// The value of the first `digits` (1 to 8) bytes of `word`, all decimal digits: they are
// moved to the top, with zeros before them, and joined in pairs, fours and eights.
std::uint64_t DigitsValue(std::uint64_t word, int digits) {
  std::uint64_t v = (word - 0x3030303030303030) << (64 - 8 * digits);
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FF;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFF;
  return (v * 10000 + (v >> 32)) & 0xFFFFFFFF;
}

// The frame number of a usual field at `at`: one to seven digits, the first not 0, and the
// closing '}', with eight bytes to look at, read in one go. Returns the place after the
// '}', or nullptr for any other field (ReadFrameField reads it).
inline const char* ReadUsualFrameField(const char* at, const char* end, double& frames) {
  if constexpr (std::endian::native != std::endian::little) {
    return nullptr;  // the bytes of a word are taken first byte lowest
  }
  if (end - at < 8 || !CurrentReadingPaths().fastPaths) {
    return nullptr;
  }
  std::uint64_t word;
  std::memcpy(&word, at, 8);
  const int digits = LeadingDigits(word);
  if (digits == 0 || digits == 8 || static_cast<char>(word) == '0' ||
      static_cast<char>(word >> (8 * digits)) != '}') {
    return nullptr;
  }
  frames = static_cast<double>(DigitsValue(word, digits));
  return at + digits + 1;
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
  // A 16th significant digit is too many, so no more than 16 are looked at.
  const char* const significant = p;
  const char* const stop = end - p > kMostFrameDigits ? p + kMostFrameDigits + 1 : end;
  std::uint64_t value = 0;
  for (unsigned digit; p != stop && (digit = static_cast<unsigned>(*p - '0')) < 10; ++p) {
    value = value * 10 + digit;
  }
  if (p - significant > kMostFrameDigits) {
    throw SubtitleError::NumberTooLarge(lineNumber, inputName);
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
  pos = static_cast<std::size_t>(p + 1 - line.data());
  const auto frames = static_cast<double>(value);
  return negative ? -frames : frames;
}

class MicroDvdReader final : public EntryReader {
 public:
  MicroDvdReader(LineReader& lines, long frameRateLine)
      : lines_(lines), name_(lines.name()), frameRateLine_(frameRateLine) {}

  Step next(SubtitleEntry& entry) override {
    std::string_view line;
    do {
      if (!lines_.next(line)) {
        return Step::End;
      }
    } while (lines_.lineNumber() == frameRateLine_);
    // A line that starts with neither a space nor a tab is no blank one.
    if (line.size() < kShortestEntryLine ||
        ((line[0] == ' ' || line[0] == '\t') && IsBlank(line))) {
      return Step::NoEntry;
    }
    ParseMicroDvdLine(line, entry, lines_.lineNumber(), name_, lines_.leadBytes());
    return Step::Entry;
  }

  bool atEnd() override { return lines_.atEnd(); }

 private:
  LineReader& lines_;
  const std::string& name_;  // the input's, for failures: asked once, not for every line
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
                       const std::string& inputName, LeadBytes leads) {
  // The opening character is not looked at, nor is the one after the first '}'.
  const char* const end = line.data() + line.size();
  const char* const afterStart = ReadUsualFrameField(line.data() + 1, end, entry.start);
  const char* const usualText = afterStart && afterStart != end
                                    ? ReadUsualFrameField(afterStart + 1, end, entry.end)
                                    : nullptr;
  if (usualText) {
    CopyText(entry.text, std::string_view(usualText, static_cast<std::size_t>(end - usualText)),
             leads);
    return;
  }
  std::size_t pos = 1;
  entry.start = ReadFrameField(line, pos, lineNumber, inputName);
  ++pos;
  if (pos >= line.size()) {
    entry.end = 0;
    entry.text.clear();
    return;
  }
  entry.end = ReadFrameField(line, pos, lineNumber, inputName);
  CopyText(entry.text, line.substr(std::min(pos, line.size())), leads);
}

std::optional<FrameRateLine> FindFrameRateLine(LineReader& lines) {
  std::string_view line;
  while (lines.next(line)) {
    if (line.size() < kShortestEntryLine || IsBlank(line)) {
      continue;
    }
    SubtitleEntry entry;
    try {
      ParseMicroDvdLine(line, entry, lines.lineNumber(), lines.name(), lines.leadBytes());
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
      Styling::Codes,
  };
  return description;
}

}  // namespace lumetra
