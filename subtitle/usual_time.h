#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

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

// The usual form "hh:mm:ss,mmm" at `t`, twelve characters, judged and summed eight and four
// at a time, one byte a character; false for any other.
inline bool ReadUsualClock(const char* t, std::uint64_t& milliseconds) {
  // A digit is 0x30 to 0x39: its high half is 3, and stays 3 when 6 is added.
  const auto clock = LoadLittleEndian<std::uint64_t>(t);  // "hh:mm:ss"
  const bool clockRight = (clock & 0xF0F0FFF0F0FFF0F0) == 0x30303A30303A3030 &&
                          ((clock + 0x0606000606000606) & 0xF0F000F0F000F0F0) == 0x3030003030003030;
  const auto fraction = LoadLittleEndian<std::uint32_t>(t + 8);  // ",mmm" or ".mmm"
  const bool fractionRight = (fraction & 0xF0F0F000) == 0x30303000 &&
                             ((fraction + 0x06060600) & 0xF0F0F000) == 0x30303000 &&
                             ((fraction & 0xFF) | 0x02) == '.';  // ',' is '.' less 2
  // Each byte now holds a digit's value (10 for a colon); ten times a byte plus the next
  // puts the two-digit hours, minutes and seconds in bytes 0, 3 and 6, without carries.
  const std::uint64_t digits = clock - 0x3030303030303030;
  const std::uint64_t pairs = digits * 10 + (digits >> 8);
  const std::uint32_t thousandths = fraction - 0x30303000;
  milliseconds = (((pairs & 0xFF) * 60 + (pairs >> 24 & 0xFF)) * 60 + (pairs >> 48 & 0xFF)) * 1000 +
                 (thousandths >> 8 & 0xFF) * 100 + (thousandths >> 16 & 0xFF) * 10 +
                 (thousandths >> 24);
  return clockRight & fractionRight;
}

// The usual time line "hh:mm:ss,mmm --> hh:mm:ss,mmm", maybe with more after it but no
// digit right after; false for any other.
inline bool ReadUsualTimeLine(std::string_view line, std::uint64_t& start, std::uint64_t& end) {
  if (line.size() < 29 || std::memcmp(line.data() + 12, " --> ", 5) != 0 ||
      (line.size() > 29 && static_cast<unsigned>(line[29] - '0') <= 9)) {
    return false;
  }
  return ReadUsualClock(line.data(), start) & ReadUsualClock(line.data() + 17, end);
}

}  // namespace lumetra
