#pragma once

#include <optional>

#include "operations/frame.h"

namespace lumetra {

struct SplitParams {
  // Number in txtNumberOfSegments; nullopt when the text is not a number.
  std::optional<double> numberOfSegments;
  // Number in txtFrames (segment size in frames); nullopt when not a number, 0 when empty.
  std::optional<double> segmentFrames;
};

// Cuts the subtitle into segment files base name + " - " + k + "." + output extension.
// CommonParams::outputAsInput is never applied.
OperationResult Split(const CommonParams& params, const SplitParams& split, FrameView& view);

}  // namespace lumetra
