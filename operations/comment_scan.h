#pragma once

#include <string>
#include <string_view>

namespace lumetra {

// Removes every comment from `begin` up to the next `end` from one entry's text, with the
// one space that follows a comment, then trims line breaks and spaces; what is left goes to
// `remaining` (replacing what it held). Returns the number of comments found, an unclosed
// one included. `begin` and `end` are matched as byte sequences, so a UTF-8 character works
// as well as an ASCII one; both must be non-empty. Comments do not nest and never reach
// into another entry.
long long RemoveComments(std::string_view text, std::string_view begin, std::string_view end,
                         std::string& remaining);
// The same on `text` in place.
long long RemoveComments(std::string& text, std::string_view begin, std::string_view end);

}  // namespace lumetra
