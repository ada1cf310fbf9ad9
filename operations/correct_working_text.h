#pragma once

// The text of one entry as the Correct repairs see it: single characters, where every
// position outside the text holds nothing, so any test of it against a character or a
// class is false (and its negation true). Internal to the repairs.

#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace lumetra::correct_detail {

inline constexpr char kSpace = ' ';
// Display lines are parted by kLineBreak ('\n'), which the character sets below spell "\n".
inline constexpr char kDoubleQuote = '"';
// What a position outside the text holds. NUL belongs to no class, so it tests like nothing.
inline constexpr char kNothing = '\0';

// A loop over a handful of members, unrolled where they are known; cheaper than a memchr
// call for every character tested.
inline bool OneOf(char c, std::string_view members) {
  if (c == kNothing) {
    return false;
  }
  for (const char member : members) {
    if (member == c) {
      return true;
    }
  }
  return false;
}
inline int Code(char c) {
  return static_cast<unsigned char>(c);
}
// "A" to "Z" and "[" (codes 65 to 91).
inline bool IsCapitalCode(char c) {
  return Code(c) >= 65 && Code(c) <= 91;
}
// "B" to "Z" and "[" (codes 66 to 91).
inline bool IsCapitalCodeFromB(char c) {
  return Code(c) >= 66 && Code(c) <= 91;
}
inline bool IsCapitalLetter(char c) {
  return c >= 'A' && c <= 'Z';
}
inline bool IsSmallLetter(char c) {
  return c >= 'a' && c <= 'z';
}
inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
inline bool IsWordEnd(char c) {
  return OneOf(c, " '.?!\n\",");
}

class WorkingText {
 public:
  explicit WorkingText(std::string text) : chars_(std::move(text)) {}

  long size() const { return static_cast<long>(chars_.size()); }
  char operator[](long position) const {
    return position >= 0 && position < size() ? chars_[static_cast<std::size_t>(position)]
                                              : kNothing;
  }
  // A repair step firing: writes `c` at `position` (even when it is already there) and
  // changes the counter by `amount`.
  void write(long position, char c, long long& count, int amount = 1) {
    chars_[static_cast<std::size_t>(position)] = c;
    count += amount;
  }
  // Shifts everything behind `position` one place to the left.
  void remove(long position) { chars_.erase(static_cast<std::size_t>(position), 1); }

  // The first position from `from` on that holds `a` or `b`, or size(): a scan jumps from
  // one place a repair can fire to the next instead of testing every character.
  long find(long from, char a, char b = kNothing) const {
    const long n = size();
    const char* chars = chars_.data();
    if (b == kNothing) {
      const auto* found = from < n ? static_cast<const char*>(std::memchr(
                                         chars + from, a, static_cast<std::size_t>(n - from)))
                                   : nullptr;
      return found ? static_cast<long>(found - chars) : n;
    }
    for (long k = from; k < n; ++k) {
      if (chars[k] == a || chars[k] == b) {
        return k;
      }
    }
    return n;
  }
  bool holds(char c) const { return chars_.find(c) != std::string::npos; }

  std::string take() && { return std::move(chars_); }

 private:
  std::string chars_;
};

}  // namespace lumetra::correct_detail
