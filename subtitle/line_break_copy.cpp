#include "subtitle/line_break_copy.h"

#include <bit>
#include <cstring>

#include "subtitle/chunk_match.h"
#include "subtitle/subtitle_entry.h"

namespace lumetra {

// Sixteen bytes at a time, each group copied whole, so a break costs a few instructions and
// no byte loop. The last bytes are read from a copy followed by zeros, never past the text.
char* CopyBreakingLines(char* out, std::string_view text) {
  // Copies the 16 bytes at `from` to `out` and says where the first break among them is, or
  // 16 or more for none.
  const auto copyToBreak = [&out](const char* from) {
    std::memcpy(out, from, kChunk);
    return std::countr_zero(Equal(from, kLineBreak).bits());
  };
  const char* p = text.data();
  const char* const end = p + text.size();
  while (end - p >= kChunk) {
    const int at = copyToBreak(p);
    if (at >= kChunk) {
      out += kChunk;
      p += kChunk;
      continue;
    }
    std::memcpy(out + at, "\r\n", 2);
    out += at + 2;
    p += at + 1;
  }
  // The rest, fewer than 16 bytes, ends at byte 16 of `tail`; zeros (no break) follow it.
  char tail[2 * kChunk] = {};
  auto rest = static_cast<int>(end - p);
  if (text.size() >= kChunk) {
    std::memcpy(tail, end - kChunk, kChunk);
  } else {
    std::memcpy(tail + kChunk - rest, p, static_cast<std::size_t>(rest));
  }
  while (rest != 0) {
    const int at = copyToBreak(tail + kChunk - rest);
    if (at >= rest) {
      return out + rest;
    }
    std::memcpy(out + at, "\r\n", 2);
    out += at + 2;
    rest -= at + 1;
  }
  return out;
}

}  // namespace lumetra
