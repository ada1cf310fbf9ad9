// The quote, full-stop and digit-space repairs, and the chain that runs all repairs of one
// entry in their fixed order on one working copy of its text.
#include "operations/correct_repairs.h"

#include <cstdint>
#include <string_view>

#include "operations/correct_working_text.h"

namespace lumetra {
namespace correct_detail {
namespace {

// Each of these three repairs tests every character against the text as it was before the
// repair, so each is one pass over the places where it fires.

long long RepairQuotes(WorkingText& t) {
  // Pairs are taken from the left and do not overlap: "'''" holds one.
  return 2 * t.replace(QuotePairs, 2, kDoubleQuote);
}

long long RepairFullStops(WorkingText& t) {
  // Only a full stop that stood behind the mark before the repair goes: "?.." keeps one.
  return t.replace(StopsBehindMarks, 1);
}

long long RepairDigitSpaces(WorkingText& t) {
  return t.replace(SpacesBetweenDigits, 1);
}

// Which repairs can fire at all (for the digit spaces: whether there are digits), from one
// pass over the text before any of them, as no repair makes what a later one looks for: a
// replaced pair leaves a double quote and a removed full stop a mark, so neither puts a full
// stop behind a mark, a space between digits or "I" and "l" behind an "a"; a removed space
// puts digits together; the I/l passes only swap "I" and "l". Most texts need only the I/l
// passes.
struct Reach {
  bool quotes = false;
  bool fullStops = false;
  bool digitSpaces = false;
  bool all = false;
};

Reach ReachOf(const WorkingText& t) {
  Lanes quotes = Lanes::None();
  Lanes fullStops = Lanes::None();
  Lanes digitSpaces = Lanes::None();
  Lanes all = Lanes::None();
  t.forEachChunk([&](const char* p) {
    quotes |= QuotePairs(p);
    fullStops |= StopsBehindMarks(p);
    digitSpaces |= Digits(p);  // cheaper than the whole test, and digits are rare
    all |= SpelledAll(p);
  });
  return {quotes.bits() != 0, fullStops.bits() != 0, digitSpaces.bits() != 0, all.bits() != 0};
}

// The chunks come from `original`, the text before it was copied into `t`: a chunk read
// from the copy just written would wait for the writes to land. From 16 characters on they
// stay inside it, the last one overlapping the one before; a shorter text is read from the
// copy, where the zeros behind it follow.
ShortTextMasks ScanShortText(const WorkingText& t, std::string_view original) {
  ShortTextMasks m;
  std::uint64_t rare = 0;
  const auto scan = [&](const char* p, long position) {
    const auto at = [position](Lanes lanes) { return std::uint64_t{lanes.bits()} << position; };
    m.smallL |= at(Equal(p, 'l'));
    m.capitalI |= at(Equal(p, 'I'));
    m.upToCapitals |= at(SignedBelow(p, '[' + 1));
    rare |= at(Equal(p, '\'') | Equal(p, '?', '!') | Digits(p));
  };
  const long n = t.size();
  if (n < kChunk) {
    scan(t.text().data(), 0);
  } else {
    for (long position = 0; position + kChunk < n; position += kChunk) {
      scan(original.data() + position, position);
    }
    scan(original.data() + n - kChunk, n - kChunk);
  }
  // Kept in registers: a mask in memory would make each place wait for the one before.
  WorkingText::forEachBit(rare, [&](long k) {
    const std::uint64_t bit = std::uint64_t{1} << k;
    m.apostrophe |= t[k] == '\'' ? bit : 0;
    m.mark |= t[k] == '?' || t[k] == '!' ? bit : 0;
  });
  m.digit = rare & ~(m.apostrophe | m.mark);
  return m;
}

// Pairs of apostrophes are taken from the left and do not overlap: three in a row hold one.
long long RepairQuotesShort(WorkingText& t) {
  const std::uint64_t apostrophes = t.masks().apostrophe;
  std::uint64_t pairs = apostrophes & (apostrophes >> 1);
  std::uint64_t quotes = 0;
  long long count = 0;
  while (pairs != 0) {
    const std::uint64_t first = pairs & (~pairs + 1);
    quotes |= first;
    pairs &= ~(first | (first << 1));
    count += 2;
  }
  if (quotes != 0) {
    t.removeShort(quotes << 1, quotes);
  }
  return count;
}

// Where the full-stop and the digit-space repairs fire; a removed full stop stood between a
// mark and what follows it, neither a digit nor a space, so both are found before either
// removal and go in one move.
std::uint64_t StopsBehindMarksOf(const WorkingText& t) {
  std::uint64_t stops = 0;
  WorkingText::forEachBit(t.masks().mark, [&](long k) {
    if (t[k + 1] == '.') {
      stops |= std::uint64_t{1} << (k + 1);
    }
  });
  return stops;
}
std::uint64_t SpacesBetweenDigitsOf(const WorkingText& t) {
  std::uint64_t spaces = 0;
  const std::uint64_t digits = t.masks().digit;
  WorkingText::forEachBit((digits << 1) & (digits >> 1), [&](long k) {
    if (t[k] == kSpace) {
      spaces |= std::uint64_t{1} << k;
    }
  });
  return spaces;
}

// The chain on a short text, led by its masks.
long long RepairShortText(WorkingText& t, std::string_view original,
                          const CorrectSettings& settings) {
  t.setMasks(ScanShortText(t, original));
  long long count = 0;
  if (settings.quotes) {
    count += RepairQuotesShort(t);
  }
  if (settings.il) {
    count += RepairIlFirstPass(t, settings.language);
  }
  const std::uint64_t stops = settings.fullStops ? StopsBehindMarksOf(t) : 0;
  const std::uint64_t spaces = settings.digitSpaces ? SpacesBetweenDigitsOf(t) : 0;
  if ((stops | spaces) != 0) {
    count += t.removeShort(stops | spaces);
  }
  if (settings.il) {
    count += RepairIlSecondPass(t, true);
  }
  return count;
}

// `original` is the text that `t` was made from, still as it was.
long long RepairAll(WorkingText& t, std::string_view original, const CorrectSettings& settings) {
  if (t.isShort()) {
    return RepairShortText(t, original, settings);
  }
  const Reach reach = ReachOf(t);
  long long count = 0;
  if (settings.quotes && reach.quotes) {
    count += RepairQuotes(t);
  }
  if (settings.il) {
    count += RepairIlFirstPass(t, settings.language);
  }
  if (settings.fullStops && reach.fullStops) {
    count += RepairFullStops(t);
  }
  if (settings.digitSpaces && reach.digitSpaces) {
    count += RepairDigitSpaces(t);
  }
  if (settings.il) {
    count += RepairIlSecondPass(t, reach.all);
  }
  return count;
}

// Runs one repair on a text of its own.
template <typename Repair>
RepairedText RepairCopy(const std::string& text, Repair repair) {
  std::string room;
  WorkingText t(room, text);
  const long long count = repair(t);
  return {std::string(t.text()), count};
}

}  // namespace
}  // namespace correct_detail

using namespace correct_detail;

RepairedText RepairQuotes(std::string text) {
  return RepairCopy(text, [](WorkingText& t) { return correct_detail::RepairQuotes(t); });
}

RepairedText RepairIlFirstPass(std::string text, CorrectLanguage language) {
  return RepairCopy(
      text, [language](WorkingText& t) { return correct_detail::RepairIlFirstPass(t, language); });
}

RepairedText RepairFullStops(std::string text) {
  return RepairCopy(text, [](WorkingText& t) { return correct_detail::RepairFullStops(t); });
}

RepairedText RepairDigitSpaces(std::string text) {
  return RepairCopy(text, [](WorkingText& t) { return correct_detail::RepairDigitSpaces(t); });
}

RepairedText RepairIlSecondPass(std::string text) {
  return RepairCopy(text,
                    [](WorkingText& t) { return correct_detail::RepairIlSecondPass(t, true); });
}

RepairedText RepairEntryText(std::string text, const CorrectSettings& settings) {
  return RepairCopy(text, [&](WorkingText& t) { return RepairAll(t, text, settings); });
}

long long RepairEntryTextInPlace(std::string& text, const CorrectSettings& settings,
                                 std::string& room) {
  WorkingText t(room, text);
  const long long count = RepairAll(t, text, settings);
  if (t.changed()) {
    // The repairs only shorten a text: it fits where it was, and no check is needed.
    const std::string_view repaired = t.text();
    CopyText(text.data(), repaired.data(), repaired.size());
    text.resize(repaired.size());
  }
  return count;
}

}  // namespace lumetra
