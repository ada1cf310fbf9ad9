#pragma once

#include <string>

namespace lumetra {

// One entry in memory. Times are whole numbers of units held as doubles: frames for
// MicroDVD, milliseconds for SubRip. An end of 0 in MicroDVD means "no end of its own".
// Display lines are separated by '|' inside the text.
struct SubtitleEntry {
  double start = 0;
  double end = 0;
  std::string text;
};

}  // namespace lumetra
