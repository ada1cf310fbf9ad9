#pragma once

#include <string_view>
#include <vector>

namespace lumetra {

// Which bytes of the text before a change the change removed or replaced, and which bytes of
// the text after it it put there.
struct ChangeMarks {
  std::vector<bool> before;
  std::vector<bool> after;
};

// The bytes outside a longest common subsequence of the two texts; texts too long for that
// are marked from the first to the last byte where they differ.
ChangeMarks MarkChanges(std::string_view before, std::string_view after);

}  // namespace lumetra
