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

// Cuts the subtitle into segment files base name + " - " + k + "." + output extension, part k
// holding part k of the movie. The files get their names only once all are written, so a run
// that fails leaves every earlier file as it was. CommonParams::outputAsInput is never applied.
void Split(const CommonParams& params, const SplitParams& split, FrameView& view);

}  // namespace lumetra
