#pragma once

// Tests of 16 characters at a time for the scans of entry texts, with SSE2 where the target
// has it (every x86-64 does) and a plain loop elsewhere. The caller makes sure that all 16
// bytes from p on may be read.

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <cstddef>

namespace lumetra {

// A chunk mask has bit i set when the character at p[i] passes the test, for i < kChunk.
inline constexpr long kChunk = 16;
#if defined(__SSE2__)
inline __m128i LoadChunk(const char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline unsigned Mask(__m128i bytes) {
  return static_cast<unsigned>(_mm_movemask_epi8(bytes));
}
inline unsigned ChunkEquals(const char* p, char a) {
  return Mask(_mm_cmpeq_epi8(LoadChunk(p), _mm_set1_epi8(a)));
}
inline unsigned ChunkEquals(const char* p, char a, char b) {
  const __m128i bytes = LoadChunk(p);
  return Mask(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(a)),
                           _mm_cmpeq_epi8(bytes, _mm_set1_epi8(b))));
}
inline unsigned ChunkDigits(const char* p) {
  // Signed compares: bytes from 128 on are negative and fall below "0".
  const __m128i bytes = LoadChunk(p);
  return Mask(_mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8('0' - 1)),
                            _mm_cmplt_epi8(bytes, _mm_set1_epi8('9' + 1))));
}
#else
template <typename Test>
unsigned ChunkWhere(const char* p, Test test) {
  unsigned mask = 0;
  for (long i = 0; i < kChunk; ++i) {
    mask |= test(p[i]) ? 1u << i : 0u;
  }
  return mask;
}
inline unsigned ChunkEquals(const char* p, char a) {
  return ChunkWhere(p, [a](char c) { return c == a; });
}
inline unsigned ChunkEquals(const char* p, char a, char b) {
  return ChunkWhere(p, [a, b](char c) { return c == a || c == b; });
}
inline unsigned ChunkDigits(const char* p) {
  return ChunkWhere(p, [](char c) { return c >= '0' && c <= '9'; });
}
#endif

// The first i below n for which chunk(p + i) sets bit 0, or n: chunks of 16 that never
// reach past p + n, the last one overlapping the one before (its earlier bits were clear
// already); `single` tests one place where fewer than 16 are left in all.
template <typename ChunkTest, typename SingleTest>
std::size_t FirstMatch(const char* p, std::size_t n, ChunkTest chunk, SingleTest single) {
  constexpr auto kSize = static_cast<std::size_t>(kChunk);
  if (n >= kSize) {
    for (std::size_t i = 0;; i += kSize) {
      i = i + kSize > n ? n - kSize : i;
      if (const unsigned mask = chunk(p + i); mask != 0) {
        return i + static_cast<std::size_t>(__builtin_ctz(mask));
      }
      if (i + kSize == n) {
        return n;
      }
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (single(p + i)) {
      return i;
    }
  }
  return n;
}

}  // namespace lumetra
