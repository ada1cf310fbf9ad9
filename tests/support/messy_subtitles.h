#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace lumetra::testing {

// Subtitle files shaped as real ones are, and worse: SubRip with line ends of all kinds,
// blank and whitespace lines, missing and odd numbers, short, long and negative times,
// every arrow, coordinates, texts of 1 to 200 bytes in 8-bit and multi-byte characters;
// now and then MicroDVD with a frame-rate line; in UTF-8, UTF-16 or UTF-32 with a
// byte-order mark or in 8-bit bytes; ending with or without a break or with blank lines.
struct MessyShape {
  std::size_t bytes = 2000;  // about this many, at least one entry
  bool faults = false;       // may hold one line the readers must stop at
  int microDvdPercent = 12;  // the chance of a MicroDVD file
};
std::string MessySubtitle(std::mt19937& random, const MessyShape& shape);

}  // namespace lumetra::testing
