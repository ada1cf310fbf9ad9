#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumetra {

// First byte in [p, stop) equal to one of `Wanted`, or stop. Subtitle lines are short: one
// pass over 16 (or 8) bytes at a time beats a call of memchr per wanted byte.
template <char... Wanted>
const char* FindFirstOf(const char* p, const char* stop) {
#if defined(__SSE2__)
  for (; stop - p >= 16; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int found = _mm_movemask_epi8((_mm_cmpeq_epi8(bytes, _mm_set1_epi8(Wanted)) | ...));
    if (found != 0) {
      return p + __builtin_ctz(static_cast<unsigned>(found));
    }
  }
#else
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  // The lowest byte flagged is exactly the first zero byte of some `word ^ wanted`.
  const auto zeroBytes = [](std::uint64_t x) { return (x - kOnes) & ~x; };
  for (; stop - p >= 8; p += 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    const std::uint64_t found =
        (zeroBytes(word ^ (kOnes * std::uint8_t(Wanted))) | ...) & kHighBits;
    if (found != 0) {
      return p + __builtin_ctzll(found) / 8;
    }
  }
#endif
  for (; p != stop; ++p) {
    if (((*p == Wanted) || ...)) {
      return p;
    }
  }
  return stop;
}

// A bit for each of the 16 bytes at `p` that equals one of `Wanted`; bit 0 for p[0].
template <char... Wanted>
unsigned MaskOf16(const char* p) {
#if defined(__SSE2__)
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  return static_cast<unsigned>(
      _mm_movemask_epi8((_mm_cmpeq_epi8(bytes, _mm_set1_epi8(Wanted)) | ...)));
#else
  unsigned mask = 0;
  for (int at = 0; at < 16; ++at) {
    mask |= unsigned{((p[at] == Wanted) || ...)} << at;
  }
  return mask;
#endif
}

}  // namespace lumetra
