#include "subtitle/subrip.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#include "subtitle/entry_io.h"
#include "subtitle/line_break_copy.h"
#include "subtitle/line_reader.h"
#include "subtitle/number_text.h"
#include "subtitle/subrip_usual_block.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/usual_time.h"

namespace lumetra {
namespace {

constexpr double kTooLargeMs = 1e15;
constexpr std::size_t kMostHourDigits = 15;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

void SkipSpaces(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
    ++pos;
  }
}

// Reads one or two digits; false when there is none.
bool ReadOneOrTwoDigits(std::string_view text, std::size_t& pos, std::uint64_t& value) {
  if (pos >= text.size() || !IsDigit(text[pos])) {
    return false;
  }
  value = static_cast<unsigned>(text[pos++] - '0');
  if (pos < text.size() && IsDigit(text[pos])) {
    value = value * 10 + static_cast<unsigned>(text[pos++] - '0');
  }
  return true;
}

// The usual form at `pos`, not followed by another digit; false for any other.
bool ReadUsualTime(std::string_view text, std::size_t& pos, double& time) {
  std::uint64_t milliseconds = 0;
  if (text.size() - pos < 12 || (text.size() - pos > 12 && IsDigit(text[pos + 12])) ||
      !ReadUsualClock(text.data() + pos, milliseconds)) {
    return false;
  }
  time = static_cast<double>(milliseconds);
  pos += 12;
  return true;
}

// One time at `pos`; false when there is none there. Sets `tooLarge` for 10^15 ms or more.
bool ReadTime(std::string_view text, std::size_t& pos, double& time, bool& tooLarge) {
  if (ReadUsualTime(text, pos, time)) {
    return true;
  }
  const bool negative = pos < text.size() && text[pos] == '-';
  pos += negative ? 1 : 0;
  std::uint64_t hours = 0;
  std::size_t hourDigits = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++hourDigits) {
    if (hourDigits < kMostHourDigits) {
      hours = hours * 10 + static_cast<unsigned>(text[pos] - '0');
    }
  }
  std::uint64_t minutes = 0;
  std::uint64_t seconds = 0;
  if (hourDigits == 0 || pos >= text.size() || text[pos++] != ':' ||
      !ReadOneOrTwoDigits(text, pos, minutes) || pos >= text.size() || text[pos++] != ':' ||
      !ReadOneOrTwoDigits(text, pos, seconds)) {
    return false;
  }
  std::uint64_t milliseconds = 0;
  if (pos + 1 < text.size() && (text[pos] == ',' || text[pos] == '.' || text[pos] == ':') &&
      IsDigit(text[pos + 1])) {
    ++pos;
    for (int digits = 0; digits < 3 && pos < text.size() && IsDigit(text[pos]); ++digits, ++pos) {
      milliseconds = milliseconds * 10 + static_cast<unsigned>(text[pos] - '0');
    }
  }
  time = static_cast<double>(hours) * 3600000.0 +
         static_cast<double>(minutes * 60000 + seconds * 1000 + milliseconds);
  tooLarge = tooLarge || hourDigits > kMostHourDigits || time >= kTooLargeMs;
  time = negative ? -time : time;
  return true;
}

// memchr finds the rare '>' quickly; a text line is searched for the arrow anyway.
bool HoldsArrow(std::string_view line) {
  const char* at = line.data();
  const char* end = line.data() + line.size();
  while (const auto* found = static_cast<const char*>(std::memchr(at, '>', end - at))) {
    if (found - line.data() >= 2 && found[-1] == '-' && found[-2] == '-') {
      return true;
    }
    at = found + 1;
  }
  return false;
}

bool IsTimeLine(std::string_view line) {
  return ParseTimeLine(line).kind != TimeLine::Kind::None;
}

bool IsWholeNumber(std::string_view line) {
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos || !IsDigit(line[first])) {
    return false;
  }
  std::size_t pos = first;
  while (pos < line.size() && IsDigit(line[pos])) {
    ++pos;
  }
  SkipSpaces(line, pos);
  return pos == line.size();
}

// Finds blocks by their time lines; see SubRipFormat(). Looks one line ahead of the text it
// has taken, and keeps the blank lines it has not yet placed: inside the text they stay,
// at its end they go.
class SubRipReader final : public EntryReader {
 public:
  explicit SubRipReader(LineReader& lines) : lines_(lines) { findFirstBlock(); }

  Step next(SubtitleEntry& entry) override {
    if (!nextTimes_) {
      return Step::End;
    }
    entry.start = nextTimes_->start;
    entry.end = nextTimes_->end;
    // Most blocks have the usual shape and are taken in at once; any other is read line by
    // line.
    UsualBlockEnd usual;
    if (ReadUsualBlock(lines_.ahead(), entry.text, usual)) {
      lines_.pass(usual.length, usual.lines, usual.lastLine);
      nextTimes_ = usual.times;
    } else {
      readText(entry.text);
    }
    return Step::Entry;
  }

  bool atEnd() override { return !nextTimes_; }

 private:
  // The time line of `line`, or nullopt; a line that holds "-->" but is no time line, or
  // whose times are too large, stops the reading there.
  std::optional<TimeLine> timeLineOf(std::string_view line) {
    const TimeLine parsed = ParseTimeLine(line);
    if (parsed.kind == TimeLine::Kind::TooLarge) {
      throw SubtitleError::NumberTooLarge(lines_.lineNumber(), lines_.name());
    }
    if (parsed.kind == TimeLine::Kind::Times) {
      return parsed;
    }
    if (HoldsArrow(line)) {
      throw SubtitleError::Format(lines_.lineNumber());
    }
    return std::nullopt;
  }

  // Blank lines before the first block are skipped; the first other line is its time line or
  // its number line, right before the time line.
  void findFirstBlock() {
    std::string_view line;
    while (lines_.next(line)) {
      if (IsBlank(line)) {
        continue;
      }
      if ((nextTimes_ = timeLineOf(line))) {
        return;
      }
      const long numberLine = lines_.lineNumber();
      if (lines_.next(line) && (nextTimes_ = timeLineOf(line))) {
        return;
      }
      throw SubtitleError::Format(numberLine);
    }
  }

  // The text up to the next block's number line or time line, or the end of the input, less
  // the blank lines at its end. Leaves the next block's times in nextTimes_.
  void readText(std::string& text) {
    text.clear();
    blanks_.clear();
    started_ = false;
    bool holding = false;
    bool heldIsBlank = false;
    bool heldFollowsBlank = false;
    // The line before the one just read: the reader keeps it while the next is read.
    std::string_view held;
    std::string_view line;
    while (lines_.next(line)) {
      if (const std::optional<TimeLine> times = timeLineOf(line)) {
        // The line before a time line is the next block's number line when it is a whole
        // number or follows a blank line; otherwise it is text.
        if (holding && !heldFollowsBlank && !IsWholeNumber(held)) {
          take(held, heldIsBlank, text);
        }
        nextTimes_ = times;
        return;
      }
      if (holding) {
        take(held, heldIsBlank, text);
      }
      heldFollowsBlank = holding && heldIsBlank;
      // Copied: reading the next line may move the buffer the view points into, and at the
      // end of the input it always does.
      heldLine_.assign(line);
      held = heldLine_;
      heldIsBlank = IsBlank(line);
      holding = true;
    }
    if (holding) {
      take(held, heldIsBlank, text);
    }
    nextTimes_.reset();
  }

  // Adds a line to the text; a blank one waits until a line of text comes after it.
  void take(std::string_view line, bool blank, std::string& text) {
    if (text.size() + blanks_.size() + line.size() >= LineReader::kLongestLine) {
      throw SubtitleError::TooLong("Subtitle text", lines_.lineNumber(), lines_.name());
    }
    if (blank) {
      blanks_ += line;
      blanks_ += kLineBreak;
      return;
    }
    if (started_) {
      text += kLineBreak;
    }
    text += blanks_;
    text += line;
    blanks_.clear();
    started_ = true;
  }

  LineReader& lines_;
  std::optional<TimeLine> nextTimes_;
  std::string blanks_;
  std::string heldLine_;
  bool started_ = false;  // the text has a line already
};

// The digits of the block number written last. Blocks are mostly numbered one after the
// other, and adding one to the digits is cheaper than writing the number anew.
class BlockNumberText {
 public:
  // Writes `number` at `out`, which needs room for 24 characters; returns the end.
  char* put(char* out, std::uint64_t number) {
    if (number != last_ + 1 || !addOne()) {
      length_ = static_cast<std::size_t>(PutDecimal(digits_, number) - digits_);
    }
    last_ = number;
    std::memcpy(out, digits_, sizeof digits_);
    return out + length_;
  }

 private:
  // False when the number gets one digit more (or there is none yet).
  bool addOne() {
    for (std::size_t i = length_; i-- > 0;) {
      if (digits_[i] != '9') {
        ++digits_[i];
        return true;
      }
      digits_[i] = '0';
    }
    return false;
  }

  char digits_[24] = {};
  std::size_t length_ = 0;
  std::uint64_t last_ = 0;
};

class SubRipWriter final : public BufferedEntryWriter {
 public:
  explicit SubRipWriter(ByteSink& sink) : BufferedEntryWriter(sink) {}

  void write(const SubtitleEntry& entry, bool, long long number, bool last) override {
    // The number, two times of at most 30 characters each and their breaks, then the text
    // with every break doubled, its break and an empty line, and room for the 16 bytes the
    // text's copy may write after itself.
    char* const begin = start(2 * entry.text.size() + 110);
    char* p = number_.put(begin, static_cast<std::uint64_t>(std::max(number, 0LL)));
    std::memcpy(p, "\r\n", 2);
    p = PutSubRipTime(p + 2, entry.start);
    std::memcpy(p, " --> ", 5);
    p = PutSubRipTime(p + 5, entry.end);
    std::memcpy(p, "\r\n", 2);
    // Every line break of the text starts a new line; empty lines stay.
    p = CopyBreakingLines(p + 2, entry.text);
    std::memcpy(p, "\r\n\r\n", 4);
    hand(begin, p + (last ? 2 : 4));
  }

 private:
  BlockNumberText number_;
};

// ",mmm" for each number of milliseconds within a second, as little-endian words.
constexpr auto kFractionTexts = [] {
  std::array<std::uint32_t, 1000> texts{};
  for (std::uint32_t i = 0; i < 1000; ++i) {
    texts[i] = ',' | ('0' + i / 100) << 8 | ('0' + i / 10 % 10) << 16 | ('0' + i % 10) << 24;
  }
  return texts;
}();

// "hh:mm:ss,mmm" for `t` below 100 hours, little-endian only. The hours, minutes and
// seconds sit three bytes apart in one word, and each is split into its tens and ones at once:
// n * 103 >> 10 is n / 10 for n below 100, and no product reaches the next field.
char* PutShortSubRipTime(char* out, std::uint32_t t) {
  const std::uint32_t wholeMinutes = t / 60'000;
  const std::uint32_t wholeSeconds = t / 1000;
  const std::uint32_t hours = t / 3'600'000;
  const std::uint64_t fields = hours | std::uint64_t{wholeMinutes - hours * 60} << 24 |
                               std::uint64_t{wholeSeconds - wholeMinutes * 60} << 48;
  const std::uint64_t tens = (fields * 103 >> 10) & 0x000F00000F00000F;
  const std::uint64_t clock = tens | (fields - tens * 10) << 8 | 0x30303A30303A3030;
  std::memcpy(out, &clock, 8);
  std::memcpy(out + 8, &kFractionTexts[t - wholeSeconds * 1000], 4);
  return out + 12;
}

bool RecognisesSubRip(const OpeningLines& lines) {
  return IsTimeLine(lines.first) || (lines.following && IsTimeLine(*lines.following));
}

// Times of 100 hours or more, and any odd value; out of line, so that the common case in
// PutSubRipTime needs no registers saved.
[[gnu::noinline]] char* PutLongSubRipTime(char* out, double milliseconds) {
  const std::uint64_t t = WrittenUnits(milliseconds);
  constexpr std::uint32_t kHour = 3'600'000;
  const std::uint64_t hours = t / kHour;
  // Milliseconds within the hour, then within the minute, then within the second.
  auto rest = static_cast<std::uint32_t>(t - hours * kHour);
  const std::uint32_t minutes = rest / 60'000;
  rest -= minutes * 60'000;
  const std::uint32_t seconds = rest / 1000;
  rest -= seconds * 1000;
  if (hours >= 100) {
    out = PutDecimal(out, hours);
  } else {
    std::memcpy(out, DigitPair(static_cast<unsigned>(hours)), 2);
    out += 2;
  }
  const std::uint32_t hundreds = rest / 100;
  char text[10] = {':', 0, 0, ':', 0, 0, ',', static_cast<char>('0' + hundreds), 0, 0};
  std::memcpy(text + 1, DigitPair(minutes), 2);
  std::memcpy(text + 4, DigitPair(seconds), 2);
  std::memcpy(text + 8, DigitPair(rest - hundreds * 100), 2);
  std::memcpy(out, text, sizeof text);
  return out + sizeof text;
}

}  // namespace

TimeLine ParseTimeLine(std::string_view line) {
  // Most lines are text, turned away by their first character.
  if (line.empty() || (!IsDigit(line[0]) && line[0] != '-' && line[0] != ' ' && line[0] != '\t')) {
    return {};
  }
  // Most time lines are "hh:mm:ss,mmm --> hh:mm:ss,mmm", read at fixed places.
  std::uint64_t usualStart = 0;
  std::uint64_t usualEnd = 0;
  if (ReadUsualTimeLine(line, usualStart, usualEnd)) {
    return {TimeLine::Kind::Times, static_cast<double>(usualStart), static_cast<double>(usualEnd)};
  }
  std::size_t pos = 0;
  bool tooLarge = false;
  double start = 0;
  double end = 0;
  SkipSpaces(line, pos);
  // After the spaces a time starts with a digit or its minus sign.
  if (pos == line.size() || (!IsDigit(line[pos]) && line[pos] != '-') ||
      !ReadTime(line, pos, start, tooLarge)) {
    return {};
  }
  SkipSpaces(line, pos);
  if (line.substr(pos, 3) != "-->") {
    return {};
  }
  pos += 3;
  SkipSpaces(line, pos);
  if (!ReadTime(line, pos, end, tooLarge)) {
    return {};
  }
  if (tooLarge) {
    return {TimeLine::Kind::TooLarge, 0, 0};
  }
  return {TimeLine::Kind::Times, start, end};
}

char* PutSubRipTime(char* out, double milliseconds) {
  // Below 100 hours, the common case, all fields have fixed widths and are made at once.
  if (std::endian::native == std::endian::little && milliseconds >= 0 &&
      milliseconds < 360'000'000.0) {
    return PutShortSubRipTime(out, static_cast<std::uint32_t>(milliseconds));
  }
  return PutLongSubRipTime(out, milliseconds);
}

std::string SubRipTime(double milliseconds) {
  char text[32];
  return std::string(text, PutSubRipTime(text, milliseconds));
}

const FormatDescription& SubRipFormat() {
  static const FormatDescription description{
      SubtitleFormat::SubRip,
      "SubRip",
      "srt",
      false,
      false,
      RecognisesSubRip,
      [](LineReader& lines, long) -> std::unique_ptr<EntryReader> {
        return std::make_unique<SubRipReader>(lines);
      },
      [](ByteSink& sink) -> std::unique_ptr<EntryWriter> {
        return std::make_unique<SubRipWriter>(sink);
      },
  };
  return description;
}

}  // namespace lumetra
