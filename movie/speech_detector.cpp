#include "movie/speech_detector.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace lumetra {
namespace {

constexpr int kSamplesPerFrame = kSpeechSampleRate * kSpeechFrameMs / 1000;
// Chosen on the fit bench.
constexpr float kAboveFloorDb = 9;
constexpr float kMinChangeDb = 3;

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

SpeechDetector::SpeechDetector() {
  for (int i = 0; i < kWindow; ++i) {
    taper_[i] = static_cast<float>(0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / kWindow));
  }
  for (int k = 0; k < kWindow / 2; ++k) {
    cosines_[k] = static_cast<float>(std::cos(2 * std::numbers::pi * k / kWindow));
    sines_[k] = static_cast<float>(-std::sin(2 * std::numbers::pi * k / kWindow));
  }
  for (int i = 0; i < kWindow; ++i) {
    int reversed = 0;
    for (int bit = 1, mirror = kWindow / 2; bit < kWindow; bit <<= 1, mirror >>= 1) {
      if (i & bit) {
        reversed |= mirror;
      }
    }
    reversed_[i] = static_cast<std::uint8_t>(reversed);
  }
}

void SpeechDetector::feed(const float* samples, std::size_t count) {
  while (count > 0) {
    const auto take = std::min<std::size_t>(count, kSamplesPerFrame - sinceFrame_);
    for (std::size_t i = 0; i < take; ++i) {
      recent_[next_] = samples[i];
      next_ = (next_ + 1) & (kWindow - 1);
    }
    samples += take;
    count -= take;
    sinceFrame_ += static_cast<int>(take);
    if (sinceFrame_ == kSamplesPerFrame) {
      endFrame();
    }
  }
}

void SpeechDetector::endFrame() {
  sinceFrame_ = 0;
  // The window's 128 real samples as 64 complex ones (even samples real, odd imaginary),
  // transformed by radix-2 in bit-reversed order; the products are written out, as
  // std::complex's checks for infinities cost more than the rest.
  constexpr int kHalf = kWindow / 2;
  std::array<float, kHalf> re, im;
  for (int n = 0; n < kHalf; ++n) {
    const int at = reversed_[n] >> 1;  // n's six bits reversed
    re[at] = recent_[(next_ + 2 * n) & (kWindow - 1)] * taper_[2 * n];
    im[at] = recent_[(next_ + 2 * n + 1) & (kWindow - 1)] * taper_[2 * n + 1];
  }
  for (int length = 2; length <= kHalf; length <<= 1) {
    const int half = length / 2;
    const int stride = kWindow / length;
    for (int start = 0; start < kHalf; start += length) {
      for (int k = 0; k < half; ++k) {
        const int a = start + k;
        const int b = a + half;
        const float c = cosines_[k * stride];
        const float s = sines_[k * stride];
        const float oddRe = re[b] * c - im[b] * s;
        const float oddIm = re[b] * s + im[b] * c;
        re[b] = re[a] - oddRe;
        im[b] = im[a] - oddIm;
        re[a] += oddRe;
        im[a] += oddIm;
      }
    }
  }
  // Bin k of the real window from bins k and 64 - k of the half-length one: the even
  // samples' part E and the odd samples' part O, joined as E + turn × O.
  const auto binPower = [&](int k) {
    const float plusRe = (re[k] + re[kHalf - k]) / 2, plusIm = (im[k] - im[kHalf - k]) / 2;
    const float minusRe = (re[k] - re[kHalf - k]) / 2, minusIm = (im[k] + im[kHalf - k]) / 2;
    const float oddRe = minusIm, oddIm = -minusRe;
    const float c = cosines_[k], s = sines_[k];
    const double binRe = plusRe + oddRe * c - oddIm * s;
    const double binIm = plusIm + oddRe * s + oddIm * c;
    return binRe * binRe + binIm * binIm;
  };
  // Eight bands across the voice band, 300 to 3500 Hz at 62.5 Hz a bin.
  constexpr int kEdges[kBands + 1] = {5, 7, 10, 14, 19, 25, 33, 43, 56};
  std::array<float, kBands> shape;
  double total = 0;
  float mean = 0;
  for (int band = 0; band < kBands; ++band) {
    double power = 0;
    for (int k = kEdges[band]; k < kEdges[band + 1]; ++k) {
      power += binPower(k);
    }
    total += power;
    shape[band] =
        static_cast<float>(10 * std::log10(power / (kEdges[band + 1] - kEdges[band]) + 1e-10));
    mean += shape[band] / kBands;
  }
  for (float& value : shape) {
    value -= mean;
  }
  SpeechFeatures features;
  features.level = static_cast<float>(10 * std::log10(total + 1e-10));
  // Against the frame two steps back, whose window does not overlap this one.
  for (int band = 0; band < kBands; ++band) {
    features.change += std::abs(shape[band] - shapes_[0][band]) / kBands;
  }
  shapes_[0] = shapes_[1];
  shapes_[1] = shape;
  features_.push_back(features);
}

std::vector<std::uint8_t> SpeechDetector::finish() {
  return DecideSpeech(features_);
}

std::vector<std::uint8_t> DecideSpeech(const std::vector<SpeechFeatures>& features) {
  const std::size_t n = features.size();
  std::vector<std::uint8_t> decisions(n);
  if (n == 0) {
    return decisions;
  }
  std::vector<float> levels(n), changes(n);
  for (std::size_t i = 0; i < n; ++i) {
    levels[i] = features[i].level;
    changes[i] = features[i].change;
  }
  // The quiet moments around each frame: 1.5 s either side.
  const std::vector<float> floor = SlidingQuantile(levels, 150, 0.1);
  const float loud = GlobalQuantile(levels, 0.95);
  // Change of shape, averaged over 150 ms: a syllable or two.
  std::vector<float> moving(n);
  double sum = 0;
  for (std::size_t i = 0; i < n; ++i) {
    sum += changes[i];
    if (i >= 15) {
      sum -= changes[i - 15];
    }
    moving[i] = static_cast<float>(sum / std::min<std::size_t>(i + 1, 15));
  }
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t centre = std::min(n - 1, i + 7);
    decisions[i] = levels[i] > floor[i] + kAboveFloorDb && levels[i] > loud - 35 &&
                   moving[centre] > kMinChangeDb;
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
