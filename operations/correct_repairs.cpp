// The quote, full-stop and digit-space repairs, and the chain that runs all repairs of one
// entry in their fixed order on one working copy of its text.
#include "operations/correct_repairs.h"

#include <string_view>
#include <utility>
#include <vector>

#include "operations/correct_working_text.h"
#include "operations/markup.h"

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
  bool markup = false;  // "<", "{" or "/": markup may stand in the text
};

Reach ReachOf(const WorkingText& t) {
  Lanes quotes = Lanes::None();
  Lanes fullStops = Lanes::None();
  Lanes digitSpaces = Lanes::None();
  Lanes all = Lanes::None();
  Lanes markup = Lanes::None();
  t.forEachChunk([&](const char* p) {
    quotes |= QuotePairs(p);
    fullStops |= StopsBehindMarks(p);
    digitSpaces |= Digits(p);  // cheaper than the whole test, and digits are rare
    all |= SpelledAll(p);
    markup |= Equal(p, '<', '{') | Equal(p, '/');
  });
  return {quotes.bits() != 0, fullStops.bits() != 0, digitSpaces.bits() != 0, all.bits() != 0,
          markup.bits() != 0};
}

long long RepairAll(WorkingText& t, const Reach& reach, const CorrectSettings& settings) {
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

// The repairs on the text with its markup taken out, each character judged by the characters
// around it there; the markup is put back byte for byte where it stood, and a character that
// a repair removed goes without its neighbouring markup.
long long RepairAroundMarkup(std::string& text, const std::vector<MarkupSpan>& markup,
                             const CorrectSettings& settings, std::string& room) {
  std::string visible;
  std::vector<std::size_t> origins;  // where each character of `visible` stands in `text`
  std::vector<bool> kept(text.size(), false);
  std::size_t from = 0;
  for (const MarkupSpan& span : markup) {
    for (std::size_t i = from; i < span.begin; ++i) {
      visible.push_back(text[i]);
      origins.push_back(i);
    }
    std::fill(kept.begin() + static_cast<long>(span.begin),
              kept.begin() + static_cast<long>(span.end), true);
    from = span.end;
  }
  for (std::size_t i = from; i < text.size(); ++i) {
    visible.push_back(text[i]);
    origins.push_back(i);
  }
  WorkingText t(room, visible);
  t.trackOrigins(origins);
  const long long count = RepairAll(t, ReachOf(t), settings);
  for (long k = 0; k < t.size(); ++k) {
    const std::size_t origin = origins[static_cast<std::size_t>(k)];
    text[origin] = t[k];
    kept[origin] = true;
  }
  std::size_t length = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (kept[i]) {
      text[length++] = text[i];
    }
  }
  text.resize(length);
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
  std::string room;
  const long long count = RepairEntryTextInPlace(text, settings, room);
  return {std::move(text), count};
}

long long RepairEntryTextInPlace(std::string& text, const CorrectSettings& settings,
                                 std::string& room) {
  WorkingText t(room, text);
  const Reach reach = ReachOf(t);
  if (reach.markup) {
    if (const std::vector<MarkupSpan> markup = FindMarkup(text); !markup.empty()) {
      return RepairAroundMarkup(text, markup, settings, room);
    }
  }
  const long long count = RepairAll(t, reach, settings);
  if (t.changed()) {
    // The repairs only shorten a text: it fits where it was, and no check is needed.
    const std::string_view repaired = t.text();
    CopyText(text.data(), repaired.data(), repaired.size());
    text.resize(repaired.size());
  }
  return count;
}

}  // namespace lumetra
