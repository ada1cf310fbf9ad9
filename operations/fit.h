#pragma once

#include "operations/fit_request.h"
#include "operations/frame.h"

namespace lumetra {

inline constexpr const char* kNoMatchWithMovie =
    "This subtitle does not match the movie's speech; nothing was written.";
inline constexpr const char* kNoMatchWithReference =
    "This subtitle does not match the subtitle that fits; nothing was written.";

// Fits the subtitle to the movie: finds the speed and shift from the request's source, then
// writes base name + " - fitted" in the output format (MicroDVD at the movie's frame rate)
// through the operation frame, and completes with the shift, speed and match. A fit that is
// not trusted writes nothing unless forced. The observer, when given, hears the progress
// (and may cancel) and the fit found.
void FitToMovie(CommonParams params, const FitRequest& request, FrameView& view,
                FitObserver* observer = nullptr);

}  // namespace lumetra
