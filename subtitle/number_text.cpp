#include "subtitle/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace lumetra {

char* PutDecimal(char* out, std::uint64_t value) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  int digits = 1;
  for (std::uint64_t rest = value; rest >= 10; rest /= 10) {
    ++digits;
  }
  // Two digits at a time from the end: a table lookup instead of a division per digit.
  char* p = out + digits;
  while (value >= 100) {
    const auto pair = static_cast<std::size_t>(value % 100) * 2;
    value /= 100;
    *--p = kPairs[pair + 1];
    *--p = kPairs[pair];
  }
  if (value >= 10) {
    *--p = kPairs[value * 2 + 1];
    *--p = kPairs[value * 2];
  } else {
    *--p = static_cast<char>('0' + value);
  }
  return out + digits;
}

char* PutTime(char* out, double value) {
  // Readers give times below 10^15 units; the bounds only keep the arithmetic defined, and
  // a time that is no number at all is written as 0.
  constexpr double kLongest = 9e18;
  return PutDecimal(out, static_cast<std::uint64_t>(value > 0 ? std::min(value, kLongest) : 0.0));
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
