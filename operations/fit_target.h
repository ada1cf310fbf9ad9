#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "operations/fit_request.h"

namespace lumetra {

// What a subtitle is aligned with: one on/off value per 10 ms (speech, or the subtitle that
// fits), and the movie's frame rate when a movie was read.
struct FitTarget {
  std::vector<std::uint8_t> signal;
  double movieFrameRate = 0;
  double lengthSeconds = 0;
};

// Hears the movie's speech (request.moviePath, request.audioTrack). Throws MovieError.
// Empty when `observer` cancelled.
std::optional<FitTarget> HearMovie(const FitRequest& request, FitObserver* observer);

// The frame rate of a movie, 0 when it has none or cannot be read.
double MovieFrameRate(const std::string& moviePath);

}  // namespace lumetra
