#pragma once

#include <string>

#include "operations/correct.h"

namespace lumetra {

// The text of one entry after a repair, and how much the repair added to the correction
// counter. Every step that fires counts, also when it writes the character already there.
struct RepairedText {
  std::string text;
  long long count = 0;
};

// Each pair of adjacent apostrophes, taken left to right, becomes one double quote (+2).
RepairedText RepairQuotes(std::string text);

// Capital "I" where a small "l" stands and the reverse, at the start, alone, after a dash,
// apostrophe or sentence end, and inside words. Only case L4 looks at the language.
RepairedText RepairIlFirstPass(std::string text, CorrectLanguage language);

// Removes a full stop directly behind "?" or "!" (+1 each).
RepairedText RepairFullStops(std::string text);

// Removes a single space between two digits (+1 each).
RepairedText RepairDigitSpaces(std::string text);

// "l" inside words written in capitals, and the word "all" spelled with "I".
RepairedText RepairIlSecondPass(std::string text);

// The whole chain for one entry, in its fixed order, each repair only when switched on.
RepairedText RepairEntryText(std::string text, const CorrectSettings& settings);

// The same chain on `text` in place, returning the count; `room` is working storage that
// keeps its size from one entry to the next.
long long RepairEntryTextInPlace(std::string& text, const CorrectSettings& settings,
                                 std::string& room);

namespace correct_detail {
class WorkingText;
long long RepairIlFirstPass(WorkingText& text, CorrectLanguage language);
// `mayHoldAll` false: the text holds no "all" spelled with "I" or "l" (see SpelledAll).
long long RepairIlSecondPass(WorkingText& text, bool mayHoldAll);
}  // namespace correct_detail

}  // namespace lumetra
