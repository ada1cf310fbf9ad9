#pragma once

#include "operations/frame.h"
#include "operations/shift.h"

namespace lumetra {

// Moves every entry by shiftMs milliseconds (at most kMaxShiftMs either way) and writes
// base name + " - synchronized" in the output format.
void Synchronize(const CommonParams& params, int shiftMs, FrameView& view);

}  // namespace lumetra
