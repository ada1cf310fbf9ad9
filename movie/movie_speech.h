#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "movie/movie_audio.h"

namespace lumetra {

// Listens to one audio track of a movie (`track` as DecodeMovieAudio takes it) and decides for
// every 10 ms whether someone speaks. A long movie is heard in parts side by side, one per
// core the process may use; `parts` (1 or 2) chooses instead, for the tests to compare.
// `progress` is told the share heard and called from the caller's thread only. Throws
// MovieError; empty when `progress` stopped it.
std::optional<std::vector<std::uint8_t>> HearSpeech(const std::string& path, int track,
                                                    double lengthSeconds,
                                                    const DecodeProgress& progress, int parts = 0);

}  // namespace lumetra
