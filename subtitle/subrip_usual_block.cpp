#include "subtitle/subrip_usual_block.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "subtitle/byte_scan.h"
#include "subtitle/format.h"
#include "subtitle/line_reader.h"
#include "subtitle/subtitle_entry.h"
#include "subtitle/usual_time.h"

namespace lumetra {
namespace {

// Walks the lines of [start, stop) by their breaks, found 64 bytes at a time. Notes the
// first "-->" it passes, since no line but the time line may hold one.
class LineWalk {
 public:
  LineWalk(const char* start, const char* stop) : start_(start), stop_(stop), window_(start) {
    load();
  }

  // The line starting where the last one ended: sets `end` to its break and returns where
  // the next line starts; nullptr when the break is not in [start, stop) for sure (a CR at
  // `stop` may be the first half of CR LF).
  const char* next(const char*& end) {
    while (breaks_ == 0) {
      if (!advance()) {
        return nullptr;
      }
    }
    end = window_ + __builtin_ctzll(breaks_);
    breaks_ &= breaks_ - 1;
    if (*end == '\n') {
      return end + 1;
    }
    if (end + 1 == stop_) {
      return nullptr;
    }
    if (end[1] != '\n') {
      return end + 1;
    }
    // CR LF is one break: its LF is the next break found.
    if (breaks_ == 0 && !advance()) {
      return nullptr;
    }
    breaks_ &= breaks_ - 1;
    return end + 2;
  }

  // True when a "-->" lies before `at`.
  bool arrowBefore(const char* at) const { return arrow_ != nullptr && arrow_ < at; }

 private:
  bool advance() {
    if (stop_ - window_ <= 64) {
      return false;
    }
    window_ += 64;
    load();
    return true;
  }

  void load() {
    if (stop_ - window_ >= 64) {
      scan(window_);
      return;
    }
    char tail[64] = {};  // the last bytes, padded with bytes that are neither break nor '>'
    std::memcpy(tail, window_, static_cast<std::size_t>(stop_ - window_));
    scan(tail);
  }

  // `bytes`: the window's bytes, or a copy of them.
  void scan(const char* bytes) {
    breaks_ = MaskOf64<'\n', '\r'>(bytes);
    if (arrow_ != nullptr) {
      return;
    }
    for (std::uint64_t heads = MaskOf64<'>'>(bytes); heads != 0; heads &= heads - 1) {
      const char* head = window_ + __builtin_ctzll(heads);
      if (head - start_ >= 2 && head[-1] == '-' && head[-2] == '-') {
        arrow_ = head - 2;
        return;
      }
    }
  }

  const char* start_;
  const char* stop_;
  const char* window_;        // the 64 bytes looked at
  std::uint64_t breaks_ = 0;  // the CRs and LFs in the window not yet passed
  const char* arrow_ = nullptr;
};

// Copies n bytes in a few moves of fixed size, never outside either range: text lines are
// short, and a call of memcpy would cost more than the copy.
void CopyLine(char* to, const char* from, std::size_t n) {
  if (n >= 16) {
    for (std::size_t i = 0; i + 16 < n; i += 16) {
      std::memcpy(to + i, from + i, 16);
    }
    std::memcpy(to + n - 16, from + n - 16, 16);
  } else if (n >= 8) {
    std::memcpy(to, from, 8);
    std::memcpy(to + n - 8, from + n - 8, 8);
  } else if (n >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + n - 4, from + n - 4, 4);
  } else {
    for (std::size_t i = 0; i < n; ++i) {
      to[i] = from[i];
    }
  }
}

// The text lines of a block, joined by kLineBreak into the entry's text in one go: one
// resize and a copy a line, instead of a growing string. Blocks of more lines are left to
// the general reading.
class TextLines {
 public:
  // False when there are too many lines.
  bool add(const char* line, const char* end) {
    if (count_ == kMostLines) {
      return false;
    }
    starts_[count_] = line;
    ends_[count_] = end;
    ++count_;
    length_ += static_cast<std::size_t>(end - line) + 1;
    return true;
  }

  long count() const { return count_; }

  void joinInto(std::string& text) const {
    text.resize(count_ == 0 ? 0 : length_ - 1);
    char* out = text.data();
    for (int i = 0; i < count_; ++i) {
      const auto n = static_cast<std::size_t>(ends_[i] - starts_[i]);
      CopyLine(out, starts_[i], n);
      out += n;
      if (i + 1 < count_) {
        *out++ = kLineBreak;
      }
    }
  }

 private:
  static constexpr int kMostLines = 8;
  const char* starts_[kMostLines];
  const char* ends_[kMostLines];
  int count_ = 0;
  std::size_t length_ = 0;  // the lines with a break after each
};

bool IsBlankLine(const char* line, const char* end) {
  return line == end || ((*line == ' ' || *line == '\t') &&
                         IsBlank(std::string_view(line, static_cast<std::size_t>(end - line))));
}

}  // namespace

bool ReadUsualBlock(std::string_view ahead, std::string& text, UsualBlockEnd& blockEnd) {
  // Kept below the longest line and text, so that the general reading would not fail on
  // anything taken here.
  const char* const start = ahead.data();
  const char* const stop = start + std::min(ahead.size(), LineReader::kLongestLine - 1);
  LineWalk walk(start, stop);
  const char* line = start;
  const char* end = nullptr;
  const char* next = nullptr;
  // The text: lines up to the first blank one, noted here and copied once the block is
  // known to be usual.
  TextLines textLines;
  for (;; line = next) {
    if ((next = walk.next(end)) == nullptr) {
      return false;
    }
    if (IsBlankLine(line, end)) {
      break;
    }
    if (!textLines.add(line, end)) {
      return false;
    }
  }
  long lines = textLines.count();
  // Blank lines, then the number line: a line after a blank one is no text when a time line
  // follows it.
  do {
    line = next;
    ++lines;
    if ((next = walk.next(end)) == nullptr) {
      return false;
    }
  } while (IsBlankLine(line, end));
  line = next;
  ++lines;
  if ((next = walk.next(end)) == nullptr || walk.arrowBefore(line)) {
    return false;
  }
  const std::string_view timeLine(line, static_cast<std::size_t>(end - line));
  // The usual time line is read here at once; any other by the general parse.
  std::uint64_t startTime = 0;
  std::uint64_t endTime = 0;
  blockEnd.times = ReadUsualTimeLine(timeLine, startTime, endTime)
                       ? TimeLine{TimeLine::Kind::Times, static_cast<double>(startTime),
                                  static_cast<double>(endTime)}
                       : ParseTimeLine(timeLine);
  if (blockEnd.times.kind != TimeLine::Kind::Times) {
    return false;
  }
  textLines.joinInto(text);
  blockEnd.length = static_cast<std::size_t>(next - start);
  blockEnd.lines = lines + 1;
  blockEnd.lastLine = static_cast<std::size_t>(line - start);
  return true;
}

}  // namespace lumetra
