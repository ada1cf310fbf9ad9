#pragma once

// Tests of 16 characters at a time for the scans of lines and entry texts, with SSE2 where
// the target has it (every x86-64 does) and a plain loop elsewhere. The caller makes sure
// that all 16 bytes from p on may be read.

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <cstddef>
#include <cstring>

namespace lumetra {

// A test of 16 characters from p on gives one lane per character, set where it passes;
// lanes combine with & and |, and bits() has bit i set for lane i.
inline constexpr long kChunk = 16;
#if defined(__SSE2__)
class Lanes {
 public:
  explicit Lanes(__m128i lanes) : lanes_(lanes) {}
  static Lanes None() { return Lanes(_mm_setzero_si128()); }
  friend Lanes operator&(Lanes a, Lanes b) { return Lanes(_mm_and_si128(a.lanes_, b.lanes_)); }
  friend Lanes operator|(Lanes a, Lanes b) { return Lanes(_mm_or_si128(a.lanes_, b.lanes_)); }
  Lanes& operator|=(Lanes other) { return *this = *this | other; }
  unsigned bits() const { return static_cast<unsigned>(_mm_movemask_epi8(lanes_)); }

 private:
  __m128i lanes_;
};
inline __m128i LoadChunk(const char* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline Lanes Equal(const char* p, char a) {
  return Lanes(_mm_cmpeq_epi8(LoadChunk(p), _mm_set1_epi8(a)));
}
// Where the character, as a signed byte, is below `limit` (so also where it is above 127).
inline Lanes SignedBelow(const char* p, char limit) {
  return Lanes(_mm_cmplt_epi8(LoadChunk(p), _mm_set1_epi8(limit)));
}
inline Lanes Digits(const char* p) {
  // Moves "0" to "9" to the ten smallest signed bytes: one add and one compare.
  constexpr char kShift = static_cast<char>(0x80 - '0');
  constexpr char kAboveNine = static_cast<char>(-128 + 10);
  return Lanes(
      _mm_cmplt_epi8(_mm_add_epi8(LoadChunk(p), _mm_set1_epi8(kShift)), _mm_set1_epi8(kAboveNine)));
}
#else
class Lanes {
 public:
  explicit Lanes(unsigned bits) : bits_(bits) {}
  static Lanes None() { return Lanes(0); }
  friend Lanes operator&(Lanes a, Lanes b) { return Lanes(a.bits_ & b.bits_); }
  friend Lanes operator|(Lanes a, Lanes b) { return Lanes(a.bits_ | b.bits_); }
  Lanes& operator|=(Lanes other) { return *this = *this | other; }
  unsigned bits() const { return bits_; }

 private:
  unsigned bits_;
};
template <typename Test>
Lanes Where(const char* p, Test test) {
  unsigned bits = 0;
  for (long i = 0; i < kChunk; ++i) {
    bits |= test(p[i]) ? 1u << i : 0u;
  }
  return Lanes(bits);
}
inline Lanes Equal(const char* p, char a) {
  return Where(p, [a](char c) { return c == a; });
}
inline Lanes SignedBelow(const char* p, char limit) {
  return Where(p, [limit](char c) { return static_cast<signed char>(c) < limit; });
}
inline Lanes Digits(const char* p) {
  return Where(p, [](char c) { return c >= '0' && c <= '9'; });
}
#endif
inline Lanes Equal(const char* p, char a, char b) {
  return Equal(p, a) | Equal(p, b);
}

// The first i below n for which chunk(p + i) sets bit 0 of its bits(), or n: chunks of 16 that
// never reach past p + n, the last one overlapping the one before (its earlier bits were clear
// already); `single` tests one place where fewer than 16 are left in all.
template <typename ChunkTest, typename SingleTest>
std::size_t FirstMatch(const char* p, std::size_t n, ChunkTest chunk, SingleTest single) {
  constexpr auto kSize = static_cast<std::size_t>(kChunk);
  if (n >= kSize) {
    for (std::size_t i = 0;; i += kSize) {
      i = i + kSize > n ? n - kSize : i;
      if (const unsigned mask = chunk(p + i).bits(); mask != 0) {
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

// Copies n bytes between two ranges that do not overlap in a few moves of fixed size, never
// outside either range: lines and texts are short, and a call of memcpy would cost more than
// the copy.
inline void CopyText(char* to, const char* from, std::size_t n) {
  if (n >= 16) {
    for (std::size_t i = 0; i + 16 < n; i += 16) {
      std::memcpy(to + i, from + i, 16);
    }
    std::memcpy(to + n - 16, from + n - 16, 16);
  } else if (n >= 8) {
    std::memcpy(to, from, 8);
    std::memcpy(to + n - 8, from + n - 8, 8);
  } else if (n >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + n - 4, from + n - 4, 4);
  } else {
    for (std::size_t i = 0; i < n; ++i) {
      to[i] = from[i];
    }
  }
}

}  // namespace lumetra
