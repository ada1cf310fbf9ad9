// The quote, full-stop and digit-space repairs, and the chain that runs all repairs of one
// entry in their fixed order.
#include "operations/correct_repairs.h"

#include "operations/correct_working_text.h"

namespace lumetra {
namespace {

using correct_detail::IsDigit;
using correct_detail::kDoubleQuote;

}  // namespace

// Each of these three repairs tests every character against the text as it was before the
// repair. So each finds the first place it fires, returns the text untouched when there is
// none (most texts), and otherwise moves the characters it keeps forward from there.

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
  const auto firesAt = [&text](std::size_t i) {
    return text[i] == '.' && i > 0 && (text[i - 1] == '?' || text[i - 1] == '!');
  };
  std::size_t i = text.find('.');
  while (i != std::string::npos && !firesAt(i)) {
    i = text.find('.', i + 1);
  }
  if (i == std::string::npos) {
    return {std::move(text), 0};
  }
  long long count = 0;
  std::size_t kept = i;
  char before = text[i - 1];
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && (before == '?' || before == '!')) {
      ++count;
    } else {
      text[kept++] = c;
    }
    before = c;
  }
  text.resize(kept);
  return {std::move(text), count};
}

RepairedText RepairDigitSpaces(std::string text) {
  const auto firesAt = [&text](std::size_t i) {
    return text[i] == ' ' && i > 0 && i + 1 < text.size() && IsDigit(text[i - 1]) &&
           IsDigit(text[i + 1]);
  };
  std::size_t i = 1;
  while (i + 1 < text.size() && !firesAt(i)) {
    ++i;
  }
  if (i + 1 >= text.size()) {
    return {std::move(text), 0};
  }
  long long count = 0;
  std::size_t kept = i;
  char before = text[i - 1];
  for (; i < text.size(); ++i) {
    const char c = text[i];
    // The character after is read before anything is written over it.
    const char after = i + 1 < text.size() ? text[i + 1] : '\0';
    if (c == ' ' && IsDigit(before) && IsDigit(after)) {
      ++count;
    } else {
      text[kept++] = c;
    }
    before = c;
  }
  text.resize(kept);
  return {std::move(text), count};
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
