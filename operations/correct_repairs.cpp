// The quote, full-stop and digit-space repairs, and the chain that runs all repairs of one
// entry in their fixed order.
#include "operations/correct_repairs.h"

#include "operations/correct_working_text.h"

namespace lumetra {
namespace {

using correct_detail::IsDigit;
using correct_detail::kDoubleQuote;

// Removes every character that `removes(before, c, after)` names, testing each against the
// text as it was before: returns the text untouched when nothing goes (most texts), and
// otherwise moves the characters it keeps forward from the first that goes.
template <typename Removes>
RepairedText RemoveWhere(std::string text, Removes removes) {
  const auto at = [&text](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
  std::size_t i = 0;
  while (i < text.size() && !removes(i > 0 ? text[i - 1] : '\0', text[i], at(i + 1))) {
    ++i;
  }
  long long count = 0;
  std::size_t kept = i;
  char before = i > 0 ? text[i - 1] : '\0';
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (removes(before, c, at(i + 1))) {  // the character after is not written over yet
      ++count;
    } else {
      text[kept++] = c;
    }
    before = c;
  }
  text.resize(kept);
  return {std::move(text), count};
}

}  // namespace

// Each of these three repairs tests every character against the text as it was before the
// repair, so each is one pass that starts at the first place it fires.

RepairedText RepairQuotes(std::string text) {
  std::size_t i = text.find("''");
  if (i == std::string::npos) {
    return {std::move(text), 0};
  }
  long long count = 0;
  std::size_t kept = i;
  for (; i < text.size(); ++i) {
    // Pairs are taken from the left and do not overlap.
    if (text[i] == '\'' && i + 1 < text.size() && text[i + 1] == '\'') {
      text[kept++] = kDoubleQuote;
      ++i;
      count += 2;
    } else {
      text[kept++] = text[i];
    }
  }
  text.resize(kept);
  return {std::move(text), count};
}

RepairedText RepairFullStops(std::string text) {
  // Only a full stop that stood behind the mark before the repair goes: "?.." keeps one.
  return RemoveWhere(std::move(text), [](char before, char c, char) {
    return c == '.' && (before == '?' || before == '!');
  });
}

RepairedText RepairDigitSpaces(std::string text) {
  return RemoveWhere(std::move(text), [](char before, char c, char after) {
    return c == ' ' && IsDigit(before) && IsDigit(after);
  });
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
