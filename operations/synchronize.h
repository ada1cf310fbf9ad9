#pragma once

#include "operations/frame.h"

namespace lumetra {

// Moves every entry by shiftMs milliseconds (−30000…30000) and writes
// base name + " - synchronized" in the output format.
void Synchronize(const CommonParams& params, int shiftMs, FrameView& view);

}  // namespace lumetra
