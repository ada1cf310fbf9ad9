#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace lumetra {

// Receives the decoded sound: mono samples at the rate asked for, in order.
using SampleSink = std::function<void(const float* samples, std::size_t count)>;
// Told the share of the movie decoded so far (0 to 1); returns false to stop the decoding.
using DecodeProgress = std::function<bool(double share)>;

// Decodes one audio track of a movie (`track` as numbered by ProbeMovie; 0: the default
// one) straight to mono at `sampleRate`; only that track's packets are read and decoded.
// Throws MovieError when the movie or the track cannot be read. Returns false when
// `progress` stopped it.
bool DecodeMovieAudio(const std::string& path, int track, int sampleRate, const SampleSink& sink,
                      const DecodeProgress& progress = {});

}  // namespace lumetra
