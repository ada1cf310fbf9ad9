#pragma once

#include <optional>

#include "movie/movie_facts.h"

namespace lumetra {

// The usual movie rates as exact fractions: the five of the frame-rate lists, then 50,
// 60000/1001 and 60.
inline constexpr RateFraction kUsualRates[] = {{24000, 1001}, {24, 1}, {25, 1},       {30000, 1001},
                                               {30, 1},       {50, 1}, {60000, 1001}, {60, 1}};
inline constexpr int kListedUsualRates = 5;

// The usual rate within 0.05% of `rate`, if any.
std::optional<RateFraction> UsualRateNear(double rate);
// Whether `rate` is one of the five rates of the frame-rate lists.
bool IsListedRate(const RateFraction& rate);
// "23.976", "25": the rate as the lists write it, else with up to three decimals.
std::string RateText(double rate);

}  // namespace lumetra
