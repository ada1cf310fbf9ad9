#pragma once

#include "operations/frame.h"
#include "subtitle/subtitle_entry.h"

namespace lumetra {

// The largest shift either way, in milliseconds: 30 seconds.
inline constexpr int kMaxShiftMs = 30000;

// Moves an entry by shiftMs milliseconds in its own units: each time becomes
// floor(time + units per second × shift ÷ 1000), held at 0; an end of 0 stays 0.
void ApplyShift(SubtitleEntry& entry, double unitsPerSecond, int shiftMs);

// The shift of the Synchronize tab, for Synchronize and Convert.
class ShiftTransform final : public EntryTransform {
 public:
  explicit ShiftTransform(int shiftMs) : shiftMs_(shiftMs) {}
  bool apply(SubtitleEntry& entry, double inputUnitsPerSecond) override {
    if (shiftMs_ != 0) {
      ApplyShift(entry, inputUnitsPerSecond, shiftMs_);
    }
    return true;
  }

 private:
  int shiftMs_;
};

}  // namespace lumetra
