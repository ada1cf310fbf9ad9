// The quote, full-stop and digit-space repairs, and the chain that runs all repairs of one
// entry in their fixed order on one working copy of its text.
#include "operations/correct_repairs.h"

#include "operations/correct_working_text.h"

namespace lumetra {
namespace correct_detail {
namespace {

// Each of these three repairs tests every character against the text as it was before the
// repair, so each is one pass over the places where it fires.

long long RepairQuotes(WorkingText& t) {
  // Pairs are taken from the left and do not overlap: "'''" holds one.
  const long long pairs =
      t.replace([](const char* p) { return ChunkEquals(p, '\'') & ChunkEquals(p + 1, '\''); }, 2,
                kDoubleQuote);
  return 2 * pairs;
}

long long RepairFullStops(WorkingText& t) {
  // Only a full stop that stood behind the mark before the repair goes: "?.." keeps one.
  return t.replace([](const char* p) { return ChunkEquals(p, '.') & ChunkEquals(p - 1, '?', '!'); },
                   1);
}

long long RepairDigitSpaces(WorkingText& t) {
  return t.replace(
      [](const char* p) {
        return ChunkEquals(p, kSpace) & ChunkDigits(p - 1) & ChunkDigits(p + 1);
      },
      1);
}

long long RepairAll(WorkingText& t, const CorrectSettings& settings) {
  long long count = 0;
  if (settings.quotes) {
    count += RepairQuotes(t);
  }
  if (settings.il) {
    count += RepairIlFirstPass(t, settings.language);
  }
  if (settings.fullStops) {
    count += RepairFullStops(t);
  }
  if (settings.digitSpaces) {
    count += RepairDigitSpaces(t);
  }
  if (settings.il) {
    count += RepairIlSecondPass(t);
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
  return RepairCopy(text, [](WorkingText& t) { return correct_detail::RepairIlSecondPass(t); });
}

RepairedText RepairEntryText(std::string text, const CorrectSettings& settings) {
  return RepairCopy(text, [&settings](WorkingText& t) { return RepairAll(t, settings); });
}

long long RepairEntryTextInPlace(std::string& text, const CorrectSettings& settings,
                                 std::string& room) {
  WorkingText t(room, text);
  const long long count = RepairAll(t, settings);
  if (t.changed()) {
    text.assign(t.text());  // within the room the text already has
  }
  return count;
}

}  // namespace lumetra
