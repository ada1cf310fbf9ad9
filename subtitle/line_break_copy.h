#pragma once

#include <string_view>

namespace lumetra {

// Copies `text` to `out` with every line break between display lines (kLineBreak) written as
// CR LF; returns the end of the copy. `out` needs room for twice the text and 16 bytes more:
// bytes after the copy may be written.
char* CopyBreakingLines(char* out, std::string_view text);

}  // namespace lumetra
