#pragma once

#include <string>
#include <string_view>

#include "subtitle/format.h"

namespace lumetra {

// Numbered blocks of a time line and text lines, timed in milliseconds. Blocks are found by
// their time lines, so blank lines between them, missing or odd numbers and short time fields
// read as other common tools read them.
const FormatDescription& SubRipFormat();

// A time line: a time, an arrow and a time, with spaces or tabs around them; after the second
// time the line ends, or a space or tab comes and then anything. A time is an optional "-",
// hours (one digit or more), ":", minutes and seconds (one or two digits each), then
// optionally "," or "." (or ":") and one to three digits of milliseconds, read as a whole
// number. The arrow is "-->", "->", "- >", "-- >", "—>" or "–>".
// A line that is none, yet holds "-->", or two times joined by something else arrow-like, or
// a second time with something glued to it, is Malformed: it may stand in no text.
struct TimeLine {
  enum class Kind { None, Times, TooLarge, Malformed };  // TooLarge: 10^15 ms or more
  Kind kind = Kind::None;
  double start = 0;
  double end = 0;
};
TimeLine ParseTimeLine(std::string_view line);
// False when `text` holds neither ':' nor '>': then none of its lines is a time line, nor a
// malformed one, as every time holds a ':' and every arrow a '>'. Judges many lines at once.
bool MayHoldTimeLine(std::string_view text);

// "hh:mm:ss,mmm" of a whole number of milliseconds; hours may have more digits, and a time
// below 0 is written as 0.
std::string SubRipTime(double milliseconds);
// The same written at `out` (30 characters at most); returns the end.
char* PutSubRipTime(char* out, double milliseconds);

}  // namespace lumetra
