#pragma once

#include "operations/frame.h"

namespace lumetra {

// Turns MicroDVD into SubRip and back at params.frameRate, applying the shift of the
// Synchronize tab (normally 0); writes base name + " - " + format name.
OperationResult Convert(const CommonParams& params, int shiftMs, FrameView& view);

}  // namespace lumetra
