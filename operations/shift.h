#pragma once

#include "subtitle/subtitle_entry.h"

namespace lumetra {

// Moves an entry by shiftMs milliseconds in its own units: each time becomes
// floor(time + units per second × shift ÷ 1000), held at 0; an end of 0 stays 0.
void ApplyShift(SubtitleEntry& entry, double unitsPerSecond, int shiftMs);

}  // namespace lumetra
