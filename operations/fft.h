#pragma once

#include <complex>
#include <vector>

namespace lumetra {

// In-place radix-2 Fourier transform; the size must be a power of two. `inverse` transforms
// back and divides by the size.
void Fourier(std::vector<std::complex<double>>& values, bool inverse);

// The smallest power of two not below n.
std::size_t PowerOfTwoAtLeast(std::size_t n);

}  // namespace lumetra
