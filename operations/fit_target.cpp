#include "operations/fit_target.h"

#include "movie/movie_error.h"
#include "movie/movie_facts.h"
#include "movie/movie_speech.h"

namespace lumetra {

// Decoding is nearly all of a fit's time: it has the first 90% of the progress.
constexpr double kDecodingShare = 0.9;

std::optional<FitTarget> HearMovie(const FitRequest& request, FitObserver* observer) {
  const MovieFacts facts = ProbeMovie(request.moviePath);
  if (facts.audioTracks.empty()) {
    throw MovieError("The movie has no sound.");
  }
  FitTarget target;
  target.movieFrameRate = facts.frameRate.value();
  std::optional<std::vector<std::uint8_t>> speech = HearSpeech(
      request.moviePath, request.audioTrack, facts.durationSeconds,
      [&](double share) { return !observer || observer->progress(share * kDecodingShare); });
  if (!speech) {
    return std::nullopt;
  }
  target.signal = std::move(*speech);
  target.lengthSeconds =
      facts.durationSeconds > 0 ? facts.durationSeconds : double(target.signal.size()) / 100;
  return target;
}

double MovieFrameRate(const std::string& moviePath) {
  try {
    return ProbeMovie(moviePath).frameRate.value();
  } catch (const MovieError&) {
    return 0;
  }
}

}  // namespace lumetra
