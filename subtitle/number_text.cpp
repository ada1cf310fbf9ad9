#include "subtitle/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace lumetra {

void AppendWholeNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    value = 0;  // no reader gives one; never write "inf" into a subtitle
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
