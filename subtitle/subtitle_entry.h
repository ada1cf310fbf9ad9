#pragma once

#include <string>

namespace lumetra {

// Stands between two display lines inside an entry's text. No line of a file can hold it, so
// a "|" read from a SubRip line stays a "|" and only MicroDVD turns its "|" into line breaks.
inline constexpr char kLineBreak = '\n';

// One entry in memory. Times are whole numbers of units held as doubles: frames for
// MicroDVD, milliseconds for SubRip. An end of 0 in MicroDVD means "no end of its own".
struct SubtitleEntry {
  double start = 0;
  double end = 0;
  std::string text;
  // The cue settings of a WebVTT cue ("align:start"), written again only in WebVTT.
  std::string cueSettings = {};
};

}  // namespace lumetra
