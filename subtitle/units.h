#pragma once

#include <cstdint>

#include "subtitle/subtitle_entry.h"

namespace lumetra {

// Turns whole numbers of units at `from` units per second into units at `to` units per
// second: to × value ÷ from, rounded to the nearest whole number with exact halves going to
// the even neighbour. Time bases in whole thousandths (every listed frame rate, and 1000 for
// milliseconds) are computed exactly, so a half is never mistaken for its binary neighbour.
// Equal time bases leave the value unchanged. Made once per run, used for every time.
class UnitConversion {
 public:
  UnitConversion(double from, double to);
  double operator()(double value) const;

 private:
  double from_;
  double to_;
  std::uint64_t fromThousandths_ = 0;  // 0: not a whole number of thousandths
  std::uint64_t toThousandths_ = 0;
  double ratio_ = 0;         // to ÷ from in thousandths, when both are whole
  bool wholeRatio_ = false;  // such as 40 ms a frame at 25 frames a second
};

// The same for one value.
double ConvertUnits(double value, double from, double to);

// The time bases of one run: the units per second of its input and of its output.
struct TimeBases {
  double input = 0;
  double output = 0;
};
// Converts the entry's start and end. Returns whether the entry has an end of its own (an
// end other than 0 before the conversion).
bool ConvertEntryTimes(SubtitleEntry& entry, const UnitConversion& conversion);

}  // namespace lumetra
