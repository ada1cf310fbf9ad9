#include "movie/speech_detector.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lumetra {
namespace {

constexpr int kSamplesPerFrame = kSpeechSampleRate * kSpeechFrameMs / 1000;
// Butterworth high-pass at 200 Hz for 8 kHz.
constexpr double kB0 = 0.894858606, kB1 = -1.789717212, kB2 = 0.894858606;
constexpr double kA1 = -1.778631777, kA2 = 0.800802646;

// Levels are kept in half-decibel steps between these bounds for the sliding quantile.
constexpr float kLowestDb = -100;
constexpr float kHighestDb = 20;
constexpr int kBins = static_cast<int>((kHighestDb - kLowestDb) * 2) + 1;

int BinOf(float db) {
  return std::clamp(static_cast<int>((db - kLowestDb) * 2), 0, kBins - 1);
}

// The level below which `share` of the frames within `radius` frames of each frame lie.
std::vector<float> SlidingQuantile(const std::vector<float>& levels, int radius, double share) {
  const int n = static_cast<int>(levels.size());
  std::array<int, kBins> counts{};
  std::vector<float> quantile(levels.size());
  int inWindow = 0;
  int added = 0;
  int removed = 0;
  for (int i = 0; i < n; ++i) {
    for (; added < n && added <= i + radius; ++added, ++inWindow) {
      ++counts[BinOf(levels[added])];
    }
    for (; removed < i - radius; ++removed, --inWindow) {
      --counts[BinOf(levels[removed])];
    }
    const int wanted = std::max(1, static_cast<int>(inWindow * share));
    int seen = 0;
    int bin = 0;
    while (bin < kBins - 1 && seen + counts[bin] < wanted) {
      seen += counts[bin++];
    }
    quantile[i] = kLowestDb + bin / 2.0f;
  }
  return quantile;
}

float GlobalQuantile(std::vector<float> levels, double share) {
  if (levels.empty()) {
    return kLowestDb;
  }
  const auto at = levels.begin() + static_cast<long>((levels.size() - 1) * share);
  std::nth_element(levels.begin(), at, levels.end());
  return *at;
}

}  // namespace

void SpeechDetector::feed(const float* samples, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const double x = samples[i];
    const double y = kB0 * x + kB1 * x1_ + kB2 * x2_ - kA1 * y1_ - kA2 * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    sum_ += y * y;
    if (++inFrame_ == kSamplesPerFrame) {
      endFrame();
    }
  }
}

void SpeechDetector::endFrame() {
  const double mean = sum_ / kSamplesPerFrame;
  levels_.push_back(static_cast<float>(10 * std::log10(mean + 1e-10)));
  sum_ = 0;
  inFrame_ = 0;
}

std::vector<std::uint8_t> SpeechDetector::finish() {
  std::vector<std::uint8_t> decisions(levels_.size());
  if (levels_.empty()) {
    return decisions;
  }
  // The quiet moments around each frame: 1.5 s either side.
  const std::vector<float> floor = SlidingQuantile(levels_, 150, 0.1);
  const float loud = GlobalQuantile(levels_, 0.95);
  for (std::size_t i = 0; i < levels_.size(); ++i) {
    decisions[i] = levels_[i] > floor[i] + 9 && levels_[i] > loud - 35;
  }
  SmoothDecisions(decisions, 30, 25);
  return decisions;
}

void SmoothDecisions(std::vector<std::uint8_t>& decisions, int maxGap, int minSpan) {
  const int n = static_cast<int>(decisions.size());
  int lastSpeech = -1;
  for (int i = 0; i < n; ++i) {
    if (!decisions[i]) {
      continue;
    }
    if (lastSpeech >= 0 && i - lastSpeech - 1 <= maxGap) {
      std::fill(decisions.begin() + lastSpeech + 1, decisions.begin() + i, 1);
    }
    lastSpeech = i;
  }
  for (int i = 0; i < n;) {
    if (!decisions[i]) {
      ++i;
      continue;
    }
    int end = i;
    while (end < n && decisions[end]) {
      ++end;
    }
    if (end - i < minSpan) {
      std::fill(decisions.begin() + i, decisions.begin() + end, 0);
    }
    i = end;
  }
}

}  // namespace lumetra
