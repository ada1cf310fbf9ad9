#pragma once

#include "operations/frame.h"

namespace lumetra {

// Writes the input again in UTF-8, every byte of it decoded from its code page (detected, or
// the one in `params.text`) and nothing else changed: times, numbering, line breaks and
// blank lines stay as they are. The output is base name + " - UTF-8" + the input's extension;
// a byte-order mark leads it only when the input had one.
void Recode(const CommonParams& params, FrameView& view);

}  // namespace lumetra
