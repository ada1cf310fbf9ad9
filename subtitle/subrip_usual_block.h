#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "subtitle/subrip.h"

namespace lumetra {

// Where a usual SubRip block ends: what follows its time line up to and with the next
// block's time line.
struct UsualBlockEnd {
  std::size_t length = 0;  // bytes, the time line's break with them
  long lines = 0;          // lines, the time line with them
  TimeLine times;          // the next block's times
};

// Recognises at the start of `ahead`, just after a block's time line, the usual rest of a
// block: text lines, none blank, then blank lines, a number line, and the next time line.
// Puts the text lines into `text`, joined by kLineBreak, as the general reading would, and
// judges every line by the general reading's ParseTimeLine. False for any other shape, for
// more than eight text lines, for a text or number line that is anything but text, and when
// `ahead` ends too early; `text` is then left in any state.
bool ReadUsualBlock(std::string_view ahead, std::string& text, UsualBlockEnd& end);

}  // namespace lumetra
