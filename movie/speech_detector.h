#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace lumetra {

// The rate the speech detector listens at, and the length of one decision.
inline constexpr int kSpeechSampleRate = 8000;
inline constexpr int kSpeechFrameMs = 10;

// What the detector measures of every 10 ms: the voice band's level, and how fast the shape
// of its spectrum changes (speech moves from sound to sound; music holds its notes, noise
// holds its colour).
struct SpeechFeatures {
  float level = 0;   // dB
  float change = 0;  // mean dB change of the band levels, less their overall change
};

// Decides for every 10 ms of a sound whether someone speaks: where the voice band stands
// clearly above the quiet moments of the surrounding seconds, is not near silence, and its
// spectrum keeps changing shape as speech does. Spans too short to be dialogue are dropped
// and the pauses between words bridged. Keeps two numbers per frame, so a two-hour movie
// costs a few megabytes.
class SpeechDetector {
 public:
  SpeechDetector();
  void feed(const float* samples, std::size_t count);
  // One decision (1: speech) per 10 ms fed so far.
  std::vector<std::uint8_t> finish();
  const std::vector<SpeechFeatures>& features() const { return features_; }
  std::vector<SpeechFeatures> takeFeatures() { return std::move(features_); }

 private:
  static constexpr int kWindow = 128;
  static constexpr int kBands = 8;
  void endFrame();

  std::vector<SpeechFeatures> features_;
  std::array<float, kWindow> recent_{};  // the last samples, a ring: the oldest at next_
  int next_ = 0;
  int sinceFrame_ = 0;
  std::array<float, kWindow> taper_{};
  std::array<float, kWindow / 2> cosines_{}, sines_{};
  std::array<std::uint8_t, kWindow> reversed_{};
  std::array<std::array<float, kBands>, 3> shapes_{};  // band shapes of the last frames
};

// The decisions (1: speech) for every 10 ms from what the detector measured of them.
std::vector<std::uint8_t> DecideSpeech(const std::vector<SpeechFeatures>& features);

// What the detector measures of a frame of silence.
inline constexpr SpeechFeatures kSilentFeatures{-100, 0};

// Helpers of the detector, open for tests: bridges gaps of at most `maxGap` frames between
// speech, then drops spans shorter than `minSpan` frames.
void SmoothDecisions(std::vector<std::uint8_t>& decisions, int maxGap, int minSpan);

}  // namespace lumetra
