#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "operations/fit_alignment.h"

namespace lumetra {

// The times of a subtitle, read once for a fit.
struct SubtitleTiming {
  std::vector<TimedSpan> spans;  // in seconds, in file order
  double unitsPerSecond = 0;     // what the seconds were made with: frame rate or 1000
  // The start in seconds of each entry asked for, by number as the file numbers them; empty
  // for one the file does not have.
  std::vector<std::optional<double>> starts;
};

// Reads the entries of a subtitle; a MicroDVD file is read at `frameRate` when given, else
// at the rate it declares, else 25. An entry without an end of its own is taken to last two
// seconds. Throws SubtitleError.
SubtitleTiming ReadSubtitleTiming(const std::string& path, std::optional<double> frameRate,
                                  const std::vector<long long>& entriesAsked = {});

// On/off per 10 ms of the spans, from 0 to the end of the last one.
std::vector<std::uint8_t> SignalOf(const std::vector<TimedSpan>& spans);

}  // namespace lumetra
