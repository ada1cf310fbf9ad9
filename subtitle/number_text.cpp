#include "subtitle/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace lumetra {

namespace {

// Digits of `value` two at a time from the end, which is `out`; the rest of the digits go
// below it.
template <typename Whole>
void PutDigitsBackwards(char* out, Whole value) {
  while (value >= 100) {
    const char* pair = DigitPair(static_cast<unsigned>(value % 100));
    value /= 100;
    *--out = pair[1];
    *--out = pair[0];
  }
  if (value >= 10) {
    const char* pair = DigitPair(static_cast<unsigned>(value));
    *--out = pair[1];
    *--out = pair[0];
  } else {
    *--out = static_cast<char>('0' + value);
  }
}

// Number of decimal digits of `value`, 0 having one.
int DecimalDigits(std::uint64_t value) {
  static constexpr std::uint64_t kPowersOfTen[] = {1,
                                                   10,
                                                   100,
                                                   1'000,
                                                   10'000,
                                                   100'000,
                                                   1'000'000,
                                                   10'000'000,
                                                   100'000'000,
                                                   1'000'000'000,
                                                   10'000'000'000,
                                                   100'000'000'000,
                                                   1'000'000'000'000,
                                                   10'000'000'000'000,
                                                   100'000'000'000'000,
                                                   1'000'000'000'000'000,
                                                   10'000'000'000'000'000,
                                                   100'000'000'000'000'000,
                                                   1'000'000'000'000'000'000,
                                                   10'000'000'000'000'000'000u};
  // 1233 / 4096 is just above log10(2): from the number of bits, the number of digits or
  // one less, which one comparison settles. `| 1` gives 0 its one digit.
  const int atLeast = std::bit_width(value | 1) * 1233 >> 12;
  return atLeast + ((value | 1) >= kPowersOfTen[atLeast] ? 1 : 0);
}

// The eight decimal digits of `value` < 10^8, leading zeros included, as the bytes of a
// word, the first digit in the lowest byte. The halves of four digits, then the pairs, then
// the digits are split in all lanes at once; multiplying and shifting stands for dividing
// by 100 and by 10, exact for the values a lane holds.
std::uint64_t EightDigits(std::uint32_t value) {
  std::uint64_t lanes = value / 10000 | static_cast<std::uint64_t>(value % 10000) << 32;
  std::uint64_t high = (lanes * 10486 >> 20) & 0x0000007F0000007F;
  lanes = high | (lanes - high * 100) << 16;
  high = (lanes * 103 >> 10) & 0x000F000F000F000F;
  lanes = high | (lanes - high * 10) << 8;
  return lanes | 0x3030303030303030;
}

}  // namespace

char* PutDecimal(char* out, std::uint64_t value) {
  const int digits = DecimalDigits(value);
  if constexpr (std::endian::native == std::endian::little) {
    if (value < 100'000'000) {
      // The last `digits` bytes of the eight are the number; all eight are stored at once.
      const std::uint64_t word =
          EightDigits(static_cast<std::uint32_t>(value)) >> (8 * (8 - digits));
      std::memcpy(out, &word, 8);
      return out + digits;
    }
  }
  // Most numbers fit 32 bits, whose divisions are cheaper.
  if (value <= UINT32_MAX) {
    PutDigitsBackwards(out + digits, static_cast<std::uint32_t>(value));
  } else {
    PutDigitsBackwards(out + digits, value);
  }
  return out + digits;
}

std::uint64_t WrittenUnits(double value) {
  // Readers give times below 10^15 units; the bounds only keep the arithmetic defined, and
  // a time that is no number at all is written as 0.
  constexpr double kLongest = 9e18;
  return static_cast<std::uint64_t>(value > 0 ? std::min(value, kLongest) : 0.0);
}

char* PutTime(char* out, double value) {
  return PutDecimal(out, WrittenUnits(value));
}

void AppendDecimal(std::string& out, std::uint64_t value) {
  char digits[20];
  out.append(digits, PutDecimal(digits, value));
}

void AppendWholeNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    value = 0;  // no reader gives one; never write "inf" into a subtitle
  }
  if (value >= 0 && value < 1.8e19) {
    AppendDecimal(out, static_cast<std::uint64_t>(value));
    return;
  }
  std::array<char, 400> digits;
  std::to_chars_result written;
  if (std::fabs(value) < 9.0e18) {
    written =
        std::to_chars(digits.data(), digits.data() + digits.size(), static_cast<long long>(value));
  } else {
    written = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                            std::chars_format::fixed, 0);
  }
  out.append(digits.data(), written.ptr);
}

std::string WholeNumberText(double value) {
  std::string text;
  AppendWholeNumber(text, value);
  return text;
}

std::string ShortestDecimal(double value, char decimalSeparator) {
  // Room for the fixed notation of the largest double.
  std::array<char, 512> digits;
  const auto written =
      std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
  if (written.ec != std::errc()) {
    return "0";
  }
  std::string text(digits.data(), written.ptr);
  for (char& c : text) {
    if (c == '.') {
      c = decimalSeparator;
    }
  }
  return text;
}

}  // namespace lumetra
