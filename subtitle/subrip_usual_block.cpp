#include "subtitle/subrip_usual_block.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "subtitle/chunk_match.h"
#include "subtitle/format.h"
#include "subtitle/line_reader.h"
#include "subtitle/subtitle_entry.h"
#include "subtitle/usual_time.h"

namespace lumetra {
namespace {

// Walks the lines of [start, stop) by their breaks, each line searched 16 bytes at a time:
// the lines of a usual block are short.
class LineWalk {
 public:
  explicit LineWalk(const char* stop) : stop_(stop) {}

  // The line at `line`: sets `end` to its break and returns where the next line starts;
  // nullptr when the break is not in [line, stop) for sure (a CR at the last byte may be the
  // first half of CR LF).
  const char* next(const char* line, const char*& end) const {
    end = FindLineBreak(line, stop_);
    return after(end);
  }

  // Where the line whose break is at `end` (or stop) is followed by the next; as next().
  const char* after(const char* end) const {
    if (end == stop_) {
      return nullptr;
    }
    if (*end == '\n') {
      return end + 1;
    }
    if (end + 1 == stop_) {
      return nullptr;
    }
    return end[1] == '\n' ? end + 2 : end + 1;
  }

 private:
  const char* stop_;
};

// True when "-->" lies in [from, to): no line before the time line may hold one. Looks at
// 16 bytes at a time while they lie before `stop`, the bytes past `to` left out.
bool HoldsArrow(const char* from, const char* to, const char* stop) {
  const auto arrowAt = [](const char* head) { return head[-1] == '-' && head[-2] == '-'; };
  if (to - from < 3) {
    return false;
  }
  const char* p = from + 2;
  for (; to - p > 0 && stop - p >= 16; p += 16) {
    unsigned heads = Equal(p, '>').bits();
    if (to - p < 16) {
      heads &= (1U << (to - p)) - 1;
    }
    for (; heads != 0; heads &= heads - 1) {
      if (arrowAt(p + std::countr_zero(heads))) {
        return true;
      }
    }
  }
  for (; to - p > 0; ++p) {
    if (*p == '>' && arrowAt(p)) {
      return true;
    }
  }
  return false;
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
      CopyText(out, starts_[i], n);
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

// "hh:mm:ss,mmm --> hh:mm:ss,mmm"
constexpr long kUsualTimeLine = 29;

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
  const LineWalk walk(stop);
  const char* line = start;
  const char* end = nullptr;
  const char* next = nullptr;
  // The text: lines up to the first blank one, noted here and copied once the block is
  // known to be usual.
  TextLines textLines;
  for (;; line = next) {
    if ((next = walk.next(line, end)) == nullptr) {
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
    if ((next = walk.next(line, end)) == nullptr) {
      return false;
    }
  } while (IsBlankLine(line, end));
  line = next;
  ++lines;
  // The usual time line is read at once where it stands, with its break right after it; any
  // other is looked for and read by the general parse.
  std::uint64_t startTime = 0;
  std::uint64_t endTime = 0;
  if (stop - line > kUsualTimeLine &&
      (line[kUsualTimeLine] == '\n' || line[kUsualTimeLine] == '\r') &&
      ReadUsualTimeLine(std::string_view(line, std::size_t{kUsualTimeLine}), startTime, endTime)) {
    end = line + kUsualTimeLine;
    next = walk.after(end);
    blockEnd.times = {TimeLine::Kind::Times, static_cast<double>(startTime),
                      static_cast<double>(endTime)};
  } else {
    if ((next = walk.next(line, end)) == nullptr) {
      return false;
    }
    blockEnd.times = ParseTimeLine(std::string_view(line, static_cast<std::size_t>(end - line)));
  }
  if (next == nullptr || blockEnd.times.kind != TimeLine::Kind::Times ||
      HoldsArrow(start, line, stop)) {
    return false;
  }
  textLines.joinInto(text);
  blockEnd.length = static_cast<std::size_t>(next - start);
  blockEnd.lines = lines + 1;
  blockEnd.lastLine = static_cast<std::size_t>(line - start);
  return true;
}

}  // namespace lumetra
