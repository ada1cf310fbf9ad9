#include "subtitle/subrip_usual_block.h"

#include <algorithm>
#include <cstring>

#include "subtitle/chunk_match.h"
#include "subtitle/format.h"
#include "subtitle/line_reader.h"
#include "subtitle/subtitle_entry.h"

namespace lumetra {
namespace {

// What the general reading makes of the line [line, end).
TimeLine::Kind KindOf(const char* line, const char* end) {
  return ParseTimeLine(std::string_view(line, static_cast<std::size_t>(end - line))).kind;
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

  // True when every line is text to the general reading too.
  bool allText() const {
    for (int i = 0; i < count_; ++i) {
      if (KindOf(starts_[i], ends_[i]) != TimeLine::Kind::None) {
        return false;
      }
    }
    return true;
  }

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

bool IsBlankLine(const char* line, const char* end) {
  return line == end || ((*line == ' ' || *line == '\t') &&
                         IsBlank(std::string_view(line, static_cast<std::size_t>(end - line))));
}

// Lines of [start, stop), found by the line reader's own rule of breaks. A line whose break
// may lie past `stop` is no line yet: the general reading takes it once it is read in.
class LineWalk {
 public:
  explicit LineWalk(const char* start, const char* stop) : next_(start), stop_(stop) {}

  // The next line as [line, end); false when there is none for sure.
  bool next(const char*& line, const char*& end) {
    line = next_;
    end = FindLineBreak(line, stop_);
    next_ = NextLineStart(end, stop_, false);
    ++count_;
    return next_ != nullptr;
  }
  const char* position() const { return next_; }
  long count() const { return count_; }

 private:
  const char* next_;
  const char* stop_;
  long count_ = 0;
};

}  // namespace

bool ReadUsualBlock(std::string_view ahead, std::string& text, UsualBlockEnd& blockEnd) {
  // Kept below the longest line and text, so that the general reading would not fail on
  // anything taken here.
  const char* const stop = ahead.data() + std::min(ahead.size(), LineReader::kLongestLine - 1);
  LineWalk walk(ahead.data(), stop);
  const char* line = nullptr;
  const char* end = nullptr;
  // The text: lines up to the first blank one, noted here and copied once the block is known
  // to be usual.
  TextLines textLines;
  for (;;) {
    if (!walk.next(line, end)) {
      return false;
    }
    if (IsBlankLine(line, end)) {
      break;
    }
    if (!textLines.add(line, end)) {
      return false;
    }
  }
  // More blank lines, then the number line: a line after a blank one is no text when a time
  // line follows it.
  do {
    if (!walk.next(line, end)) {
      return false;
    }
  } while (IsBlankLine(line, end));
  // No line before the time line may be anything but text; most blocks show it at once.
  const std::string_view beforeTimeLine(ahead.data(), static_cast<std::size_t>(end - ahead.data()));
  if (MayHoldTimeLine(beforeTimeLine) &&
      (!textLines.allText() || KindOf(line, end) != TimeLine::Kind::None)) {
    return false;
  }
  if (!walk.next(line, end)) {
    return false;
  }
  blockEnd.times = ParseTimeLine(std::string_view(line, static_cast<std::size_t>(end - line)));
  if (blockEnd.times.kind != TimeLine::Kind::Times) {
    return false;
  }
  textLines.joinInto(text);
  blockEnd.length = static_cast<std::size_t>(walk.position() - ahead.data());
  blockEnd.lines = walk.count();
  return true;
}

}  // namespace lumetra
