#include "subtitle/line_break_copy.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "subtitle/subtitle_entry.h"

namespace lumetra {
namespace {

// Where the first line break is among the bytes of `word`, the first byte lowest; 8 when
// there is none. The bit trick may also flag a byte after a break, never one before it.
int FirstBreak(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  const std::uint64_t zeroAtBreaks = word ^ (kOnes * static_cast<unsigned char>(kLineBreak));
  const std::uint64_t flagged = (zeroAtBreaks - kOnes) & ~zeroAtBreaks & (kOnes << 7);
  return flagged == 0 ? 8 : std::countr_zero(flagged) / 8;
}

}  // namespace

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

}  // namespace lumetra
