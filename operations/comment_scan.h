#pragma once

#include <string>
#include <string_view>

namespace lumetra {

struct CommentScanResult {
  std::string text;        // what is left, cleaned of empty lines and outer spaces
  long long comments = 0;  // comments found (an unclosed one included)
};

// Removes every comment from `begin` up to the next `end` from one entry's text, with the
// one space that follows a comment, then trims line breaks and spaces. `begin` and
// `end` are matched as byte sequences, so a UTF-8 character works as well as an ASCII one;
// both must be non-empty. Comments do not nest and never reach into another entry.
CommentScanResult RemoveComments(std::string_view text, std::string_view begin,
                                 std::string_view end);

}  // namespace lumetra
