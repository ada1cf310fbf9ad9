#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "subtitle/code_page.h"
#include "subtitle/format.h"
#include "subtitle/subtitle_entry.h"

namespace lumetra {

class LineReader;

// "{start}{end}text", one entry per line, timed in frames; "|" parts the display lines.
const FormatDescription& MicroDvdFormat();

// Parses one line of four characters or more. The first character and the one after the
// first "}" are not looked at; a "-" right after either makes its number negative. Throws a
// format failure for any other character than a digit in a frame number, and a failure that
// names the line for a number of 10^15 or more or a frame number the line ends in.
// In a double-byte code page (`leads`), a "|" that is the second byte of a character stays
// part of it.
void ParseMicroDvdLine(std::string_view line, SubtitleEntry& entry, long lineNumber,
                       const std::string& inputName, LeadBytes leads = LeadBytes::None);

// A first entry that only declares the frame rate of its file, such as "{1}{1}23.976": start
// and end both 0 or both 1, and a decimal number ("." or ",") as its whole text.
struct FrameRateLine {
  long lineNumber = 0;
  std::string line;        // as read, without its break
  std::size_t rateAt = 0;  // where the rate's text starts in `line`
  double rate = 0;
};
// Looks at the first entry of a MicroDVD input from where `lines` stands.
std::optional<FrameRateLine> FindFrameRateLine(LineReader& lines);
// The line with `rateText` in place of the rate it declares, its frame fields kept.
std::string DeclaringRate(const FrameRateLine& frameRateLine, std::string_view rateText);

}  // namespace lumetra
