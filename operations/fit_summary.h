#pragma once

#include <string>

#include "operations/fit_alignment.h"

namespace lumetra {

// The speed as a user knows it: "25 → 23.976 fps" when it is the ratio of two usual rates
// (`fromRate` → `toRate`, preferring `movieRate` as the one it goes to), "unchanged" for 1,
// "× 1.0123" otherwise. A subtitle timed in frames (`framesRate` not 0, the rate it was
// read at) goes from that rate to the one the speed says it was made for.
std::string SpeedText(double speed, double framesRate, double movieRate);

// The completion's lines after its first: shift, speed, and the match with how far the best
// shift stands out from the next best.
std::string FitFigures(const FitModel& model, const std::string& speed, double match,
                       double standout, bool hasMatch);

}  // namespace lumetra
