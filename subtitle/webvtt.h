#pragma once

#include <optional>
#include <string_view>

#include "subtitle/format.h"

namespace lumetra {

// The web's format: "WEBVTT" and a header, then cues of an optional identifier, a timing line
// "[hh:]mm:ss.ttt --> [hh:]mm:ss.ttt" with cue settings after it, and lines of cue text,
// each block closed by a blank line. Timed in milliseconds; always written in UTF-8.
const FormatDescription& WebVttFormat();

// The times and cue settings of a timing line; nullopt for a line that is none. Liberal as
// common players are: one digit or more in each field, "," as well as "." before the
// milliseconds, one to three digits of them.
struct CueTiming {
  double start = 0;
  double end = 0;
  std::string_view settings;  // what follows the end time, spaces before it left out
};
std::optional<CueTiming> ParseCueTiming(std::string_view line);

}  // namespace lumetra
