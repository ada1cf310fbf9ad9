#include "subtitle/subrip_usual_block.h"

#include <algorithm>

#include "subtitle/byte_scan.h"
#include "subtitle/format.h"
#include "subtitle/line_reader.h"
#include "subtitle/subtitle_entry.h"

namespace lumetra {
namespace {

// One line of [p, stop): [p, end) before its break, `next` after the break. False when the
// break is not there for sure (a CR at `stop` may be the first half of CR LF) or, with
// `noArrow`, when the line holds "-->".
bool EndOfLine(const char* p, const char* stop, bool noArrow, const char*& end, const char*& next) {
  const char* at = p;
  for (;;) {
    at = noArrow ? FindFirstOf<'\n', '\r', '>'>(at, stop) : FindFirstOf<'\n', '\r'>(at, stop);
    if (at == stop) {
      return false;
    }
    if (*at != '>') {
      break;
    }
    if (at - p >= 2 && at[-1] == '-' && at[-2] == '-') {
      return false;
    }
    ++at;
  }
  end = at;
  next = at + 1;
  if (*at == '\r') {
    if (next == stop) {
      return false;
    }
    next += *next == '\n' ? 1 : 0;
  }
  return true;
}

}  // namespace

bool ReadUsualBlock(std::string_view ahead, std::string& text, UsualBlockEnd& blockEnd) {
  // Kept below the longest line and text, so that the general reading would not fail on
  // anything taken here.
  const char* const start = ahead.data();
  const char* const stop = start + std::min(ahead.size(), LineReader::kLongestLine - 1);
  const char* p = start;
  const char* end = nullptr;
  const char* next = nullptr;
  long lines = 0;
  text.clear();
  // The text: lines up to the first blank one.
  for (;; p = next, ++lines) {
    if (!EndOfLine(p, stop, true, end, next)) {
      return false;
    }
    const std::string_view line(p, static_cast<std::size_t>(end - p));
    if (IsBlank(line)) {
      break;
    }
    if (lines != 0) {
      text += kLineBreak;
    }
    text += line;
  }
  // Blank lines, then the number line: a line after a blank one is no text when a time line
  // follows it.
  do {
    p = next;
    ++lines;
    if (!EndOfLine(p, stop, true, end, next)) {
      return false;
    }
  } while (IsBlank(std::string_view(p, static_cast<std::size_t>(end - p))));
  p = next;
  ++lines;
  if (!EndOfLine(p, stop, false, end, next)) {
    return false;
  }
  blockEnd.times = ParseTimeLine(std::string_view(p, static_cast<std::size_t>(end - p)));
  if (blockEnd.times.kind != TimeLine::Kind::Times) {
    return false;
  }
  blockEnd.length = static_cast<std::size_t>(next - start);
  blockEnd.lines = lines + 1;
  blockEnd.lastLine = static_cast<std::size_t>(p - start);
  return true;
}

}  // namespace lumetra
