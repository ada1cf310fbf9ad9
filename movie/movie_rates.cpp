#include "movie/movie_rates.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace lumetra {

std::optional<RateFraction> UsualRateNear(double rate) {
  for (const RateFraction& usual : kUsualRates) {
    if (std::abs(rate - usual.value()) <= 0.0005 * usual.value()) {
      return usual;
    }
  }
  return std::nullopt;
}

bool IsListedRate(const RateFraction& rate) {
  for (int i = 0; i < kListedUsualRates; ++i) {
    if (rate.numerator * kUsualRates[i].denominator ==
        kUsualRates[i].numerator * rate.denominator) {
      return true;
    }
  }
  return false;
}

std::string RateText(double rate) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", rate);
  std::string result = text;
  while (result.back() == '0') {
    result.pop_back();
  }
  if (result.back() == '.') {
    result.pop_back();
  }
  return result;
}

}  // namespace lumetra
