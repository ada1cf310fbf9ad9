#include "movie/rate_reducer.h"

#include <algorithm>

namespace lumetra {

RateReducer::RateReducer(int inputRate, int outputRate)
    : perInput_(std::max(1, outputRate)), perOutput_(std::max(inputRate, outputRate)) {}

void RateReducer::feed(const float* samples, std::size_t count, std::vector<float>& out) {
  const float scale = float(perInput_) / float(perOutput_);
  std::size_t i = 0;
  while (i < count) {
    // The samples wholly inside the current output sample, then the one that completes it;
    // what is left of that one starts the next.
    const long room = perOutput_ - filled_;
    const auto whole = std::min(static_cast<std::size_t>((room - 1) / perInput_), count - i);
    // Two sums side by side: each addition need not wait for the one before.
    float even = 0, odd = 0;
    std::size_t k = 0;
    for (; k + 1 < whole; k += 2) {
      even += samples[i + k];
      odd += samples[i + k + 1];
    }
    if (k < whole) {
      even += samples[i + k];
    }
    sum_ += even + odd;
    filled_ += static_cast<long>(whole) * perInput_;
    i += whole;
    if (i == count) {
      break;
    }
    const long inside = perOutput_ - filled_;
    const float share = float(inside) / float(perInput_);
    out.push_back((sum_ + samples[i] * share) * scale);
    sum_ = samples[i] * (1 - share);
    filled_ = perInput_ - inside;
    ++i;
  }
}

}  // namespace lumetra
