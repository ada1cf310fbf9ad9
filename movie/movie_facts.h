#pragma once

#include <string>
#include <vector>

namespace lumetra {

// A frame rate as the exact fraction the container gives, 24000/1001 for 23.976.
struct RateFraction {
  long long numerator = 0;
  long long denominator = 1;
  double value() const { return denominator ? double(numerator) / double(denominator) : 0; }
};

struct AudioTrack {
  int number = 0;        // 1-based among the movie's audio tracks, as --audio-track takes it
  std::string language;  // the container's tag ("eng"), empty when it has none
  std::string codec;     // "aac"
  int channels = 0;
  int sampleRate = 0;
  bool isDefault = false;
};

// What probing a movie finds.
struct MovieFacts {
  double durationSeconds = 0;
  bool hasVideo = false;
  RateFraction frameRate;  // of the video track; 0/1 when there is none
  // Why the frame rate may not be trusted (variable, or not one of the listed rates); empty
  // when it is one of them.
  std::string frameRateWarning;
  std::vector<AudioTrack> audioTracks;
  int defaultTrack = 0;  // number of the track used unless another is chosen; 0: none
};

// Probes a movie; throws MovieError when it cannot be read.
MovieFacts ProbeMovie(const std::string& path);

// "23.976 fps (24000/1001)"-style lines, one per fact, for `lumetra-cli probe`.
std::string DescribeMovie(const MovieFacts& facts);

}  // namespace lumetra
