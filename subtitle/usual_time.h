#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumetra {

// `Word` bytes at `p` as a number whose lowest byte is p[0], on any machine.
template <typename Word>
Word LoadLittleEndian(const char* p) {
  Word word = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&word, p, sizeof word);
  } else {
    for (std::size_t i = sizeof word; i-- > 0;) {
      word = static_cast<Word>(word << 8 | static_cast<unsigned char>(p[i]));
    }
  }
  return word;
}

// The milliseconds of "hh:mm:ss,mmm" at `t`, a shape already judged right. Each byte less
// '0' holds a digit's value (10 for a colon); ten times a byte plus the next puts the two-digit
// hours, minutes and seconds in bytes 0, 3 and 6, without carries. One product then adds 60
// times the hours to the minutes, three bytes up, out of reach of the seconds above them.
inline std::uint64_t UsualClockValue(const char* t) {
  const std::uint64_t digits = LoadLittleEndian<std::uint64_t>(t) - 0x3030303030303030;
  const std::uint64_t fields = (digits * 10 + (digits >> 8)) & 0x00FF0000FF0000FF;
  const std::uint64_t minutes = (fields * ((std::uint64_t{60} << 24) + 1)) >> 24 & 0xFFFF;
  const std::uint32_t thousandths = LoadLittleEndian<std::uint32_t>(t + 8) - 0x30303000;
  return (minutes * 60 + (fields >> 48)) * 1000 + (thousandths >> 8 & 0xFF) * 100 +
         (thousandths >> 16 & 0xFF) * 10 + (thousandths >> 24);
}

// The usual form "hh:mm:ss,mmm" at `t`, twelve characters, judged eight and four at a time,
// one byte a character; false for any other.
inline bool ReadUsualClock(const char* t, std::uint64_t& milliseconds) {
  // A digit is 0x30 to 0x39: its high half is 3, and stays 3 when 6 is added.
  const auto clock = LoadLittleEndian<std::uint64_t>(t);  // "hh:mm:ss"
  const bool clockRight = (clock & 0xF0F0FFF0F0FFF0F0) == 0x30303A30303A3030 &&
                          ((clock + 0x0606000606000606) & 0xF0F000F0F000F0F0) == 0x3030003030003030;
  const auto fraction = LoadLittleEndian<std::uint32_t>(t + 8);  // ",mmm" or ".mmm"
  const bool fractionRight = (fraction & 0xF0F0F000) == 0x30303000 &&
                             ((fraction + 0x06060600) & 0xF0F0F000) == 0x30303000 &&
                             ((fraction & 0xFF) | 0x02) == '.';  // ',' is '.' less 2
  milliseconds = UsualClockValue(t);
  return clockRight & fractionRight;
}

#if defined(__SSE2__)
// True when the 29 bytes at `t` are "hh:mm:ss,mmm --> hh:mm:ss,mmm" (or with '.' before the
// milliseconds), judged sixteen bytes at a time.
inline bool HasUsualTimeLineShape(const char* t) {
  const auto judge = [](const char* at, __m128i comma, __m128i shape, __m128i range) {
    // A byte less its shape's byte is 0 to 9 where a digit belongs and 0 elsewhere; ',' is
    // '.' less 2, so setting that bit takes either.
    const __m128i bytes =
        _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), comma);
    const __m128i over = _mm_subs_epu8(_mm_sub_epi8(bytes, shape), range);
    return _mm_cmpeq_epi8(over, _mm_setzero_si128());
  };
  const __m128i first = judge(
      t, _mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0),
      _mm_setr_epi8('0', '0', ':', '0', '0', ':', '0', '0', '.', '0', '0', '0', ' ', '-', '-', '>'),
      _mm_setr_epi8(9, 9, 0, 9, 9, 0, 9, 9, 0, 9, 9, 9, 0, 0, 0, 0));
  const __m128i second = judge(
      t + 13, _mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0),
      _mm_setr_epi8('-', '-', '>', ' ', '0', '0', ':', '0', '0', ':', '0', '0', '.', '0', '0', '0'),
      _mm_setr_epi8(0, 0, 0, 0, 9, 9, 0, 9, 9, 0, 9, 9, 0, 9, 9, 9));
  return _mm_movemask_epi8(_mm_and_si128(first, second)) == 0xFFFF;
}
#endif

// The usual time line "hh:mm:ss,mmm --> hh:mm:ss,mmm", alone or followed by a space or tab
// and more; false for any other.
inline bool ReadUsualTimeLine(std::string_view line, std::uint64_t& start, std::uint64_t& end) {
  if (line.size() < 29 || (line.size() > 29 && line[29] != ' ' && line[29] != '\t')) {
    return false;
  }
#if defined(__SSE2__)
  if (!HasUsualTimeLineShape(line.data())) {
    return false;
  }
  start = UsualClockValue(line.data());
  end = UsualClockValue(line.data() + 17);
  return true;
#else
  return std::memcmp(line.data() + 12, " --> ", 5) == 0 &&
         (ReadUsualClock(line.data(), start) & ReadUsualClock(line.data() + 17, end));
#endif
}

}  // namespace lumetra
