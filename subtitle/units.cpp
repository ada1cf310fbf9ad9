#include "subtitle/units.h"

#include <cmath>

namespace lumetra {
namespace {

__extension__ using Wide = unsigned __int128;

// Nearest whole number, exact halves to even, of 0 <= x < 2^52: adding 2^52 leaves no bits
// for a fraction, so the addition itself rounds, in the default mode. No call into libm.
double RoundHalfEven(double x) {
  constexpr double kNoFraction = 0x1p52;
  return (x + kNoFraction) - kNoFraction;
}

// A time base as a whole number of thousandths, when it is one; else 0.
std::uint64_t Thousandths(double unitsPerSecond) {
  const double scaled = unitsPerSecond * 1000.0;
  const double whole = std::nearbyint(scaled);
  if (!(whole >= 1 && whole <= 1e12) || std::fabs(scaled - whole) > 1e-6) {
    return 0;
  }
  return static_cast<std::uint64_t>(whole);
}

// value × to ÷ from as a fraction of whole numbers, so an exact half is seen as one.
double ExactQuotient(std::uint64_t value, std::uint64_t from, std::uint64_t to) {
  const Wide scaled = static_cast<Wide>(value) * to;
  Wide quotient = scaled / from;
  const Wide twiceRemainder = (scaled % from) * 2;
  if (twiceRemainder > from || (twiceRemainder == from && quotient % 2 == 1)) {
    ++quotient;
  }
  return static_cast<double>(quotient);
}

}  // namespace

UnitConversion::UnitConversion(double from, double to)
    : from_(from), to_(to), fromThousandths_(Thousandths(from)), toThousandths_(Thousandths(to)) {
  if (fromThousandths_ != 0 && toThousandths_ != 0) {
    ratio_ = static_cast<double>(toThousandths_) / static_cast<double>(fromThousandths_);
    wholeRatio_ = toThousandths_ % fromThousandths_ == 0;
  }
}

double UnitConversion::operator()(double value) const {
  if (from_ == to_) {
    return value;
  }
  const double magnitude = std::fabs(value);
  if (fromThousandths_ == 0 || toThousandths_ == 0 || !(magnitude < 9e15) ||
      RoundHalfEven(magnitude) != magnitude) {
    // nearbyint rounds in the default mode: to nearest, exact halves to even.
    return std::nearbyint(to_ * (value / from_));
  }
  const double scaled = magnitude * ratio_;
  // A whole ratio gives a whole product, exact below 2^53: nothing to round.
  if (wholeRatio_ && scaled < 0x1p53) {
    return value < 0 ? -scaled : scaled;
  }
  // Below 2^40 value × (to ÷ from), a multiplication instead of a division, is off by
  // about 2^-12 at most: as before, only a result near a half needs the exact fraction.
  if (scaled < 0x1p40) {
    double rounded = RoundHalfEven(scaled);
    if (std::fabs(scaled - rounded) > 0.5 - 1e-3) {
      rounded =
          ExactQuotient(static_cast<std::uint64_t>(magnitude), fromThousandths_, toThousandths_);
    }
    return value < 0 ? -rounded : rounded;
  }
  // While value × to is exact in a double, the quotient is off by far less than a
  // thousandth; only a quotient that close to a half needs the exact fraction.
  const double product = magnitude * static_cast<double>(toThousandths_);
  const double quotient = product / static_cast<double>(fromThousandths_);
  double rounded = RoundHalfEven(quotient);
  if (!(product < 0x1p52) || std::fabs(quotient - rounded) > 0.5 - 1e-3) {
    rounded =
        ExactQuotient(static_cast<std::uint64_t>(magnitude), fromThousandths_, toThousandths_);
  }
  return value < 0 ? -rounded : rounded;
}

double ConvertUnits(double value, double from, double to) {
  return UnitConversion(from, to)(value);
}

bool ConvertEntryTimes(SubtitleEntry& entry, const UnitConversion& conversion) {
  const bool hasEnd = entry.end != 0;
  entry.start = conversion(entry.start);
  entry.end = conversion(entry.end);
  return hasEnd;
}

}  // namespace lumetra
