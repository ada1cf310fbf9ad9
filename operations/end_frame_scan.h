#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumetra {

// The end frame of one MicroDVD line for Guess frame rate, which reads lines its own way:
// the start field is not looked at, and only a line "{start}{end}text" with an end of one
// digit or more and some text counts. Returns nothing for any other line, a negative end
// included; a non-digit in the end field throws a format failure (SubtitleError) for that
// line, an end of 10^15 or more a failure that names the line.
std::optional<double> GuessEndFrame(std::string_view line, long lineNumber,
                                    const std::string& inputName);

}  // namespace lumetra
