#include <cstdio>
#include <string>

#include "movie/movie_facts.h"
#include "movie/movie_rates.h"

namespace lumetra {

std::string DescribeMovie(const MovieFacts& facts) {
  char duration[64];
  std::snprintf(duration, sizeof duration, "Duration: %.3f s\n", facts.durationSeconds);
  std::string text = duration;
  if (!facts.hasVideo) {
    text += "Video: none\n";
  } else if (facts.frameRate.numerator) {
    text += "Frame rate: " + RateText(facts.frameRate.value()) + " fps (" +
            std::to_string(facts.frameRate.numerator) + "/" +
            std::to_string(facts.frameRate.denominator) + ")\n";
  }
  if (!facts.frameRateWarning.empty()) {
    text += "Warning: " + facts.frameRateWarning + "\n";
  }
  if (facts.audioTracks.empty()) {
    text += "Audio: none\n";
  }
  for (const AudioTrack& track : facts.audioTracks) {
    text += "Audio track " + std::to_string(track.number) + ": " + track.codec + ", " +
            std::to_string(track.sampleRate) + " Hz, " + std::to_string(track.channels) +
            (track.channels == 1 ? " channel" : " channels") + ", language " +
            (track.language.empty() ? "unknown" : track.language) +
            (track.number == facts.defaultTrack ? " (default)" : "") + "\n";
  }
  return text;
}

}  // namespace lumetra
