#include "operations/fft.h"

#include <numbers>
#include <utility>

namespace lumetra {

std::size_t PowerOfTwoAtLeast(std::size_t n) {
  std::size_t size = 1;
  while (size < n) {
    size <<= 1;
  }
  return size;
}

void Fourier(std::vector<std::complex<double>>& values, bool inverse) {
  const std::size_t n = values.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) {
      j ^= bit;
    }
    j ^= bit;
    if (i < j) {
      std::swap(values[i], values[j]);
    }
  }
  std::vector<std::complex<double>> twiddles;
  for (std::size_t length = 2; length <= n; length <<= 1) {
    const double angle = (inverse ? 2 : -2) * std::numbers::pi / double(length);
    const std::size_t half = length / 2;
    twiddles.resize(half);
    for (std::size_t k = 0; k < half; ++k) {
      twiddles[k] = std::polar(1.0, angle * double(k));
    }
    for (std::size_t start = 0; start < n; start += length) {
      for (std::size_t k = 0; k < half; ++k) {
        const std::complex<double> odd = values[start + k + half] * twiddles[k];
        values[start + k + half] = values[start + k] - odd;
        values[start + k] += odd;
      }
    }
  }
  if (inverse) {
    for (auto& value : values) {
      value /= double(n);
    }
  }
}

}  // namespace lumetra
