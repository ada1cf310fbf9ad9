#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace lumetra {

// Receives the decoded sound: mono samples at the rate asked for, in order.
using SampleSink = std::function<void(const float* samples, std::size_t count)>;
// Told the share of the movie decoded so far (0 to 1); returns false to stop the decoding.
using DecodeProgress = std::function<bool(double share)>;

// Told once, before the first samples, when the first sample handed on sounds: seconds from
// the start of the track.
using StartSink = std::function<void(double seconds)>;

// A stretch of a track, in seconds from its start; `to` 0: up to the end.
struct AudioStretch {
  double from = 0;
  double to = 0;
};

// Decodes one audio track of a movie (`track` as numbered by ProbeMovie; 0: the default
// one) straight to mono at `sampleRate`; only that track's packets are read and decoded,
// and of those only the ones that start within `stretch` (its progress is told as the share
// of the stretch). Throws MovieError when the movie or the track cannot be read. Returns false
// when `progress` stopped it.
bool DecodeMovieAudio(const std::string& path, int track, int sampleRate, const SampleSink& sink,
                      const DecodeProgress& progress = {}, AudioStretch stretch = {},
                      const StartSink& started = {});

// How many threads the decoding of one movie may use: the cores this process may run on.
int DecodingThreads();

}  // namespace lumetra
