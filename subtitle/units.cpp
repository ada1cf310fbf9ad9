#include "subtitle/units.h"

#include <cmath>

namespace lumetra {

double ConvertUnits(double value, double from, double to) {
  if (from == to) {
    return value;
  }
  // nearbyint rounds in the default mode: to nearest, exact halves to even.
  return std::nearbyint(to * (value / from));
}

}  // namespace lumetra
