#pragma once

#include "operations/frame.h"
#include "operations/shift.h"

namespace lumetra {

// Turns MicroDVD into SubRip and back at the run's frame rate, applying the shift of the
// Synchronize tab (normally 0); writes base name + " - " + format name.
void Convert(const CommonParams& params, int shiftMs, FrameView& view);

}  // namespace lumetra
