// The quote, full-stop and digit-space repairs, and the chain that runs all repairs of one
// entry in their fixed order.
#include "operations/correct_repairs.h"

#include <algorithm>

#include "operations/correct_working_text.h"

namespace lumetra {
namespace {

using namespace correct_detail;

bool IsSpaceBetweenDigits(const WorkingText& t, long space) {
  return t[space] == kSpace && IsDigit(t[space - 1]) && IsDigit(t[space + 1]);
}

void RemoveSpace(WorkingText& t, long space, long long& count) {
  t.remove(space);
  count += 1;
}

}  // namespace

RepairedText RepairQuotes(std::string text) {
  if (text.find("''") == std::string::npos) {
    return {std::move(text), 0};
  }
  WorkingText t(std::move(text));
  long long count = 0;
  // The character that moves into place k after a removal is not looked at: a double quote
  // never pairs with it anyway.
  for (long k = t.find(1, '\''); k < t.size(); k = t.find(k + 1, '\'')) {
    if (t[k - 1] == '\'') {
      t.write(k - 1, kDoubleQuote, count, 2);
      t.remove(k);
    }
  }
  return {std::move(t).take(), count};
}

RepairedText RepairFullStops(std::string text) {
  if (text.find('.') == std::string::npos) {
    return {std::move(text), 0};
  }
  WorkingText t(std::move(text));
  long long count = 0;
  // Skipping the character that moves into place k keeps "?.." at "?.": only a full stop
  // that stood behind the mark before the repair goes.
  for (long k = t.find(1, '.'); k < t.size(); k = t.find(k + 1, '.')) {
    if (OneOf(t[k - 1], "?!")) {
      t.remove(k);
      count += 1;
    }
  }
  return {std::move(t).take(), count};
}

RepairedText RepairDigitSpaces(std::string text) {
  if (text.find(' ') == std::string::npos || std::none_of(text.begin(), text.end(), IsDigit)) {
    return {std::move(text), 0};
  }
  WorkingText t(std::move(text));
  long long count = 0;
  // The first two places, the scan, then the last place, each on the text as changed so far.
  if (IsSpaceBetweenDigits(t, 1)) {
    RemoveSpace(t, 1, count);
  }
  if (IsSpaceBetweenDigits(t, 2)) {
    RemoveSpace(t, 2, count);
  }
  // Only a space can go: jump from one to the next (k - 1 is the space tested at k).
  for (long k = t.find(1, kSpace) + 1; k < t.size() - 1; k = t.find(k, kSpace) + 1) {
    if (IsSpaceBetweenDigits(t, k - 1)) {
      RemoveSpace(t, k - 1, count);
    }
  }
  const long n = t.size();
  if (n > 3 && IsSpaceBetweenDigits(t, n - 2)) {
    RemoveSpace(t, n - 2, count);
  }
  return {std::move(t).take(), count};
}

RepairedText RepairEntryText(std::string text, const CorrectSettings& settings) {
  RepairedText result{std::move(text), 0};
  const auto apply = [&result](RepairedText step) {
    result.text = std::move(step.text);
    result.count += step.count;
  };
  if (settings.quotes) {
    apply(RepairQuotes(std::move(result.text)));
  }
  if (settings.il) {
    apply(RepairIlFirstPass(std::move(result.text), settings.language));
  }
  if (settings.fullStops) {
    apply(RepairFullStops(std::move(result.text)));
  }
  if (settings.digitSpaces) {
    apply(RepairDigitSpaces(std::move(result.text)));
  }
  if (settings.il) {
    apply(RepairIlSecondPass(std::move(result.text)));
  }
  return result;
}

}  // namespace lumetra
