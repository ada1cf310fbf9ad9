#include "movie/movie_speech.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <thread>

#include "movie/speech_detector.h"

namespace lumetra {
namespace {

// Shorter movies are heard in one go: a second part would cost more to start than it saves.
constexpr double kShortestPartSeconds = 300;
constexpr int kMostParts = 2;

// What one part heard: the detector's measures and when its first sample sounds.
struct HeardPart {
  std::vector<SpeechFeatures> features;
  std::optional<double> startSeconds;  // none when the part had no sound
  bool finished = false;
};

HeardPart HearPart(const std::string& path, int track, AudioStretch stretch,
                   const DecodeProgress& progress) {
  HeardPart part;
  SpeechDetector detector;
  part.finished = DecodeMovieAudio(
      path, track, kSpeechSampleRate,
      [&](const float* samples, std::size_t count) { detector.feed(samples, count); }, progress,
      stretch, [&](double seconds) { part.startSeconds = seconds; });
  part.features = detector.takeFeatures();
  return part;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> HearSpeech(const std::string& path, int track,
                                                    double lengthSeconds,
                                                    const DecodeProgress& progress, int parts) {
  if (parts <= 0) {
    parts = std::clamp(static_cast<int>(lengthSeconds / kShortestPartSeconds), 1,
                       std::min(kMostParts, DecodingThreads()));
  }
  if (parts == 1) {
    HeardPart whole = HearPart(path, track, {}, progress);
    if (!whole.finished) {
      return std::nullopt;
    }
    return DecideSpeech(whole.features);
  }
  // The second half on a thread of its own; this thread hears the first and tells progress.
  const double middle = lengthSeconds / 2;
  std::atomic<bool> stopped = false;
  HeardPart later;
  std::exception_ptr laterFailure;
  std::thread second([&] {
    try {
      later = HearPart(path, track, {middle, 0}, [&](double) { return !stopped.load(); });
    } catch (...) {
      laterFailure = std::current_exception();
    }
  });
  HeardPart first;
  try {
    first = HearPart(path, track, {0, middle}, progress);
  } catch (...) {
    stopped = true;
    second.join();
    throw;
  }
  stopped = !first.finished;
  second.join();
  if (laterFailure) {
    std::rethrow_exception(laterFailure);
  }
  if (!first.finished || !later.finished) {
    return std::nullopt;
  }
  // The later part's measures go where its first sample sounds, counted from the first part's;
  // a track that ends before the middle leaves the later part without sound.
  if (later.startSeconds) {
    const double offset =
        (*later.startSeconds - first.startSeconds.value_or(0)) * 1000 / kSpeechFrameMs;
    const auto at = static_cast<std::size_t>(std::max(0.0, std::round(offset)));
    first.features.resize(at, kSilentFeatures);
    first.features.insert(first.features.end(), later.features.begin(), later.features.end());
  }
  return DecideSpeech(first.features);
}

}  // namespace lumetra
