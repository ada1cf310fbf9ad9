#include "subtitle/frame_rates.h"

#include <cmath>

namespace lumetra {

const ListedFrameRate* ListedRateOf(double rate) {
  if (!std::isfinite(rate) || rate <= 0 || rate > 1e6) {
    return nullptr;
  }
  const double thousandths = std::nearbyint(rate * 1000);
  for (const ListedFrameRate& listed : kFrameRates) {
    if (std::nearbyint(listed.value * 1000) == thousandths) {
      return &listed;
    }
  }
  return nullptr;
}

}  // namespace lumetra
