#include "operations/shift.h"

#include <algorithm>
#include <cmath>

namespace lumetra {
namespace {
double Shifted(double time, double delta) {
  return std::max(0.0, std::floor(time + delta));
}
}  // namespace

void ApplyShift(SubtitleEntry& entry, double unitsPerSecond, int shiftMs) {
  const double delta = unitsPerSecond * (shiftMs / 1000.0);
  entry.start = Shifted(entry.start, delta);
  if (entry.end != 0) {
    entry.end = Shifted(entry.end, delta);
  }
}

}  // namespace lumetra
