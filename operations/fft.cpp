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
  // The turns of the largest stage serve every stage; a thread keeps them for its next
  // transform of the same size, as the speeds of a fit all take.
  thread_local std::vector<std::complex<double>> turns;
  if (turns.size() != n / 2) {
    turns.resize(n / 2);
    for (std::size_t k = 0; k < n / 2; ++k) {
      turns[k] = std::polar(1.0, -2 * std::numbers::pi * double(k) / double(n));
    }
  }
  for (std::size_t length = 2; length <= n; length <<= 1) {
    const std::size_t half = length / 2;
    const std::size_t stride = n / length;
    for (std::size_t start = 0; start < n; start += length) {
      for (std::size_t k = 0; k < half; ++k) {
        // Written out: std::complex's product checks for infinities, at many times the cost.
        const std::complex<double> b = values[start + k + half];
        const std::complex<double> turn = turns[k * stride];
        const double wIm = inverse ? -turn.imag() : turn.imag();
        const std::complex<double> odd(b.real() * turn.real() - b.imag() * wIm,
                                       b.real() * wIm + b.imag() * turn.real());
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
