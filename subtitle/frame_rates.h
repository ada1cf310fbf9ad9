#pragma once

#include <array>
#include <string_view>

namespace lumetra {

// The frame rates a user chooses from, in list order; a stored list position indexes this, so
// new rates only ever go at the end.
struct ListedFrameRate {
  std::string_view text;  // as the lists show it, "." as decimal point
  double value;
};
inline constexpr std::array<ListedFrameRate, 8> kFrameRates{{
    {"23.976", 23.976},
    {"24", 24},
    {"25", 25},
    {"29.97", 29.97},
    {"30", 30},
    {"50", 50},
    {"59.94", 59.94},
    {"60", 60},
}};
// Position of "25", the rate chosen when nothing else is known.
inline constexpr int kDefaultFrameRatePosition = 2;

// The listed rate equal to `rate` once both are rounded to three decimals; nullptr for any
// other rate.
const ListedFrameRate* ListedRateOf(double rate);

}  // namespace lumetra
