#include "subtitle/line_break_copy.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "subtitle/subtitle_entry.h"

namespace lumetra {
namespace {

#if defined(__SSE2__)
// Stores the 16 bytes of `bytes` at `out` and says where the first break among them is, or
// 16 or more for none.
int StoreToFirstBreak(char* out, __m128i bytes) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), bytes);
  const auto breaks =
      static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(kLineBreak))));
  return std::countr_zero(breaks);
}
#else
// Where the first line break is among the bytes of `word`, the first byte lowest; 8 when
// there is none. The bit trick may also flag a byte after a break, never one before it.
int FirstBreak(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  const std::uint64_t zeroAtBreaks = word ^ (kOnes * static_cast<unsigned char>(kLineBreak));
  const std::uint64_t flagged = (zeroAtBreaks - kOnes) & ~zeroAtBreaks & (kOnes << 7);
  return flagged == 0 ? 8 : std::countr_zero(flagged) / 8;
}
#endif

}  // namespace

#if defined(__SSE2__)
// Sixteen bytes at a time, each group stored whole, so a break costs a few instructions and
// no byte loop. The last bytes are read from a copy followed by zeros, never past the text.
char* CopyBreakingLines(char* out, std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (end - p >= 16) {
    const int at = StoreToFirstBreak(out, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
    if (at >= 16) {
      out += 16;
      p += 16;
      continue;
    }
    std::memcpy(out + at, "\r\n", 2);
    out += at + 2;
    p += at + 1;
  }
  // The rest, fewer than 16 bytes, ends at byte 16 of `tail`; zeros (no break) follow it.
  alignas(16) char tail[32] = {};
  auto rest = static_cast<int>(end - p);
  if (text.size() >= 16) {
    _mm_store_si128(reinterpret_cast<__m128i*>(tail),
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(end - 16)));
  } else {
    std::memcpy(tail + 16 - rest, p, static_cast<std::size_t>(rest));
  }
  while (rest != 0) {
    const int at =
        StoreToFirstBreak(out, _mm_loadu_si128(reinterpret_cast<const __m128i*>(tail + 16 - rest)));
    if (at >= rest) {
      return out + rest;
    }
    std::memcpy(out + at, "\r\n", 2);
    out += at + 2;
    rest -= at + 1;
  }
  return out;
}
#else
// Eight bytes at a time, each group stored whole, so a break costs a few instructions and no
// byte loop; the last few bytes are taken from the text's last eight, shifted.
char* CopyBreakingLines(char* out, std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  if (std::endian::native == std::endian::little && text.size() >= 8) {
    std::uint64_t word;
    while (end - p >= 8) {
      std::memcpy(&word, p, 8);
      std::memcpy(out, &word, 8);
      const int at = FirstBreak(word);
      out += at;
      p += at;
      if (at < 8) {
        std::memcpy(out, "\r\n", 2);
        out += 2;
        ++p;
      }
    }
    auto rest = static_cast<int>(end - p);
    if (rest != 0) {
      std::memcpy(&word, end - 8, 8);
      word >>= 8 * (8 - rest);
    }
    while (rest != 0) {
      std::memcpy(out, &word, 8);
      const int at = FirstBreak(word);
      if (at >= rest) {
        return out + rest;
      }
      std::memcpy(out + at, "\r\n", 2);
      out += at + 2;
      word >>= 8 * (at + 1);
      rest -= at + 1;
    }
    return out;
  }
  for (; p != end; ++p) {
    if (*p == kLineBreak) {
      *out++ = '\r';
      *out++ = '\n';
    } else {
      *out++ = *p;
    }
  }
  return out;
}
#endif

}  // namespace lumetra
