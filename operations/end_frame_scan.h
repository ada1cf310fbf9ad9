#pragma once

#include <optional>
#include <string>

namespace lumetra {

// The end frame of one MicroDVD line for Guess frame rate, which reads lines its own way:
// the start field is not looked at, and only a line "{start}{end}text" with an end of one
// digit or more and some text counts. Returns nothing for any other line; a non-digit in
// the end field throws a format failure (SubtitleError) for that line number.
std::optional<double> GuessEndFrame(const std::string& line, long lineNumber);

}  // namespace lumetra
