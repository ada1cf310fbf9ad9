#pragma once

// The text of one entry as the Correct repairs see it: single characters in a buffer with
// zeros on both sides, so a test of a position outside the text reads nothing (NUL belongs
// to no class) without a bounds check. The repairs find the few places where they can fire
// 16 characters at a time. Internal to the repairs.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "subtitle/chunk_match.h"

namespace lumetra::correct_detail {

inline constexpr char kSpace = ' ';
// Display lines are parted by kLineBreak ('\n'), which the character sets below spell "\n".
inline constexpr char kDoubleQuote = '"';
// What a position outside the text holds. NUL belongs to no class, so it tests like nothing.
inline constexpr char kNothing = '\0';

// A loop over a handful of members, unrolled where they are known.
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

// The classes the I/l scans test at nearly every "l" or "I", as one table look-up each.
enum CharClass : std::uint8_t {
  // ".?!\" \n'-": only behind one of these can the first pass change an "l" or keep an "I".
  kIlNeighbour = 1,
  // Codes 65 to 91 ("A" to "Z", "[") and " -.!?": what may stand before an "l" that the
  // second pass changes.
  kBeforeCapitalsL = 2,
  // Codes 65 to 91 and " .!?-l": what may stand after it.
  kAfterCapitalsL = 4,
  // " '.?!\n\",": what ends a word.
  kWordEnd = 8,
};

inline constexpr std::array<std::uint8_t, 256> kClasses = [] {
  std::array<std::uint8_t, 256> classes{};
  const auto add = [&classes](std::string_view members, CharClass charClass) {
    for (const char c : members) {
      classes[static_cast<unsigned char>(c)] |= charClass;
    }
  };
  add(".?!\" \n'-", kIlNeighbour);
  add(" -.!?", kBeforeCapitalsL);
  add(" .!?-l", kAfterCapitalsL);
  add(" '.?!\n\",", kWordEnd);
  for (int code = 65; code <= 91; ++code) {
    classes[static_cast<std::size_t>(code)] |= kBeforeCapitalsL | kAfterCapitalsL;
  }
  return classes;
}();
inline bool Is(char c, CharClass charClass) {
  return (kClasses[static_cast<std::size_t>(Code(c))] & charClass) != 0;
}
inline bool IsWordEnd(char c) {
  return Is(c, kWordEnd);
}

// Where the second pass finds the word "all" spelled with "I" or "l" in its last two places.
inline Lanes SpelledAll(const char* p) {
  return Equal(p, 'A', 'a') & Equal(p + 1, 'I', 'l') & Equal(p + 2, 'I', 'l');
}

// Where the quote repair fires: each pair of apostrophes.
inline Lanes QuotePairs(const char* p) {
  return Equal(p, '\'') & Equal(p + 1, '\'');
}
// Where the full-stop repair fires: a full stop behind "?" or "!".
inline Lanes StopsBehindMarks(const char* p) {
  return Equal(p, '.') & Equal(p - 1, '?', '!');
}
// Where the digit-space repair fires: a space between two digits.
inline Lanes SpacesBetweenDigits(const char* p) {
  return Equal(p, kSpace) & Digits(p - 1) & Digits(p + 1);
}

class WorkingText {
 public:
  // Copies `text` between the zeros in `room`, which keeps its storage from one entry to the
  // next so that no entry allocates.
  WorkingText(std::string& room, std::string_view text) : size_(static_cast<long>(text.size())) {
    const std::size_t needed = kFront + text.size() + kBack;
    if (room.size() < needed) {
      room.resize(needed);  // the zeros in front are never written
    }
    chars_ = &room[kFront];
    CopyText(chars_, text.data(), text.size());
    std::fill_n(chars_ + text.size(), kBack, kNothing);
  }

  long size() const { return size_; }
  // Any position from -kFront to size() + kBack; those outside the text hold kNothing.
  char operator[](long position) const { return chars_[position]; }
  std::string_view text() const { return {chars_, static_cast<std::size_t>(size_)}; }
  // Keeps `origins` (one value per character, such as where it stood in a text with markup)
  // beside the characters through every removal, so origins[k] belongs to position k.
  void trackOrigins(std::vector<std::size_t>& origins) { origins_ = &origins; }

  // Whether a repair wrote or removed anything.
  bool changed() const { return changed_; }

  // A repair step firing: writes `c` at `position` (even when it is already there) and
  // changes the counter by `amount`.
  void write(long position, char c, long long& count, int amount = 1) {
    chars_[position] = c;
    count += amount;
    changed_ = true;
  }

  // The position of a character that `p` points to.
  long positionOf(const char* p) const { return p - chars_; }

  // Calls visit(p) with the start of every chunk of 16 characters, in order.
  template <typename Visit>
  void forEachChunk(Visit visit) const {
    for (long chunk = 0; chunk < size_; chunk += kChunk) {
      visit(chars_ + chunk);
    }
  }

  // Calls visit(k) for each position k from `from` on (below kChunk) whose bit
  // matches(chunk) sets, in order. The matches must not change through what visit writes.
  template <typename Matches, typename Visit>
  void forEach(long from, Matches matches, Visit visit) {
    for (long chunk = 0; chunk < size_; chunk += kChunk) {
      unsigned mask = matches(chars_ + chunk).bits();
      if (chunk == 0) {
        mask &= ~0u << from;
      }
      for (; mask != 0; mask &= mask - 1) {
        visit(chunk + __builtin_ctz(mask));
      }
    }
  }

  // Replaces `width` characters at each place that fires(chunk) sets a bit for by
  // `replacement` (kNothing: by nothing); a place inside the last replaced one is passed
  // over. The fires test the text as it was before, looking ahead and at most one character
  // back; returns how many places were replaced.
  template <typename Fires>
  long long replace(Fires fires, long width, char replacement = kNothing) {
    long long replaced = 0;
    long kept = 0;  // the text before `kept` is final; [from, place) moves there next
    long from = 0;
    for (long chunk = 0; chunk < size_; chunk += kChunk) {
      // Every write so far lies before the last place replaced, which the mask may look back
      // at; a replacement is written there only by a repair that does not look back.
      for (unsigned mask = fires(chars_ + chunk).bits(); mask != 0; mask &= mask - 1) {
        const long place = chunk + __builtin_ctz(mask);
        if (place < from) {
          continue;
        }
        kept = keep(kept, from, place);
        if (replacement != kNothing) {
          if (origins_ != nullptr) {
            (*origins_)[static_cast<std::size_t>(kept)] =
                (*origins_)[static_cast<std::size_t>(place)];
          }
          chars_[kept++] = replacement;
        }
        from = place + width;
        ++replaced;
      }
    }
    if (replaced != 0) {
      shrinkTo(keep(kept, from, size_));
    }
    return replaced;
  }

 private:
  static constexpr long kFront = kChunk;     // a chunk read one character back
  static constexpr long kBack = 2 * kChunk;  // a chunk read from the last character on

  // Moves [from, to) to `kept`; returns the new end of what is kept.
  long keep(long kept, long from, long to) {
    if (kept != from) {
      std::memmove(chars_ + kept, chars_ + from, static_cast<std::size_t>(to - from));
      if (origins_ != nullptr) {
        std::copy(origins_->begin() + from, origins_->begin() + to, origins_->begin() + kept);
      }
    }
    return kept + (to - from);
  }

  // Ends the text at `kept` after a removal, with zeros from there to where it ended before.
  void shrinkTo(long kept) {
    // Chunks of zeros of a known size need no call; the last may reach into the zeros behind
    // the text.
    for (long zero = kept; zero < size_; zero += kChunk) {
      std::memset(chars_ + zero, 0, kChunk);
    }
    size_ = kept;
    changed_ = true;
  }

  char* chars_;
  std::vector<std::size_t>* origins_ = nullptr;
  long size_;
  bool changed_ = false;
};

}  // namespace lumetra::correct_detail
