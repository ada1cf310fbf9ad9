#include "operations/text_diff.h"

#include <algorithm>
#include <cstdint>

namespace lumetra {
namespace {

// Beyond this many cells the table would cost more than a preview line is worth.
constexpr std::size_t kLargestTable = std::size_t{1} << 22;

}  // namespace

ChangeMarks MarkChanges(std::string_view before, std::string_view after) {
  // What both share at their ends is never marked, and keeps the table small.
  std::size_t prefix = 0;
  while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
    ++prefix;
  }
  std::size_t suffix = 0;
  while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
    ++suffix;
  }
  ChangeMarks marks{std::vector<bool>(before.size(), false),
                    std::vector<bool>(after.size(), false)};
  const std::string_view a = before.substr(prefix, before.size() - prefix - suffix);
  const std::string_view b = after.substr(prefix, after.size() - prefix - suffix);
  const std::size_t width = b.size() + 1;
  if ((a.size() + 1) * width > kLargestTable) {
    std::fill_n(marks.before.begin() + static_cast<long>(prefix), a.size(), true);
    std::fill_n(marks.after.begin() + static_cast<long>(prefix), b.size(), true);
    return marks;
  }
  // lengths[i * width + j]: the longest common subsequence of a[i..] and b[j..].
  std::vector<std::uint32_t> lengths((a.size() + 1) * width, 0);
  for (std::size_t i = a.size(); i-- > 0;) {
    for (std::size_t j = b.size(); j-- > 0;) {
      lengths[i * width + j] =
          a[i] == b[j] ? lengths[(i + 1) * width + j + 1] + 1
                       : std::max(lengths[(i + 1) * width + j], lengths[i * width + j + 1]);
    }
  }
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() || j < b.size()) {
    if (i < a.size() && j < b.size() && a[i] == b[j]) {
      ++i;
      ++j;
    } else if (j == b.size() ||
               (i < a.size() && lengths[(i + 1) * width + j] >= lengths[i * width + j + 1])) {
      marks.before[prefix + i++] = true;
    } else {
      marks.after[prefix + j++] = true;
    }
  }
  return marks;
}

}  // namespace lumetra
