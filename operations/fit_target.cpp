#include "operations/fit_target.h"

#include "movie/movie_audio.h"
#include "movie/movie_error.h"
#include "movie/movie_facts.h"
#include "movie/speech_detector.h"

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
  SpeechDetector detector;
  const bool finished = DecodeMovieAudio(
      request.moviePath, request.audioTrack, kSpeechSampleRate,
      [&](const float* samples, std::size_t count) { detector.feed(samples, count); },
      [&](double share) { return !observer || observer->progress(share * kDecodingShare); });
  if (!finished) {
    return std::nullopt;
  }
  target.signal = detector.finish();
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
