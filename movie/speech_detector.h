#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumetra {

// The rate the speech detector listens at, and the length of one decision.
inline constexpr int kSpeechSampleRate = 8000;
inline constexpr int kSpeechFrameMs = 10;

// Decides for every 10 ms of a sound whether someone speaks. Speech rises and falls with its
// syllables well above the sound around it, while music and steady noise keep their level:
// a frame counts as speech when the energy of the voice band stands clearly above the quiet
// moments of the surrounding seconds and is not near silence; spans too short to be dialogue
// are dropped and the pauses between words are bridged. Keeps one number per frame, so a
// two-hour movie costs a few megabytes.
class SpeechDetector {
 public:
  void feed(const float* samples, std::size_t count);
  // One decision (1: speech) per 10 ms fed so far.
  std::vector<std::uint8_t> finish();

 private:
  void endFrame();

  std::vector<float> levels_;  // voice-band energy of each frame, in dB
  double sum_ = 0;
  int inFrame_ = 0;
  // A second-order high-pass at 200 Hz: the rumble of music and effects is not speech.
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Helpers of the detector, open for tests: bridges gaps of at most `maxGap` frames between
// speech, then drops spans shorter than `minSpan` frames.
void SmoothDecisions(std::vector<std::uint8_t>& decisions, int maxGap, int minSpan);

}  // namespace lumetra
