#include "movie/rate_reducer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumetra {
namespace {

// The peak of a tone after the reducer, fed in uneven pieces as a decoder hands them on.
struct Reduced {
  std::vector<float> samples;
  float peak = 0;
};
Reduced Reduce(int inputRate, double hertz, double seconds) {
  std::vector<float> input(static_cast<std::size_t>(inputRate * seconds));
  for (std::size_t i = 0; i < input.size(); ++i) {
    input[i] =
        hertz > 0 ? float(std::sin(2 * std::numbers::pi * hertz * double(i) / inputRate)) : 0.5f;
  }
  RateReducer reducer(inputRate, 8000);
  Reduced reduced;
  for (std::size_t at = 0, piece = 1; at < input.size(); at += piece, piece = piece * 7 % 1031) {
    reducer.feed(input.data() + at, std::min(piece, input.size() - at), reduced.samples);
  }
  for (std::size_t i = 100; i < reduced.samples.size(); ++i) {
    reduced.peak = std::max(reduced.peak, std::abs(reduced.samples[i]));
  }
  return reduced;
}

TEST(RateReducer, KeepsTheVoiceBandAndDampsWhatWouldFoldIntoIt) {
  const struct {
    const char* name;
    int rate;
    double hertz;  // 0: a steady level of 0.5
    float lowest, highest;
  } cases[] = {
      {"steady level, rates that divide", 48000, 0, 0.4999f, 0.5001f},
      {"steady level, rates that do not", 44100, 0, 0.4999f, 0.5001f},
      {"voice at 1 kHz", 44100, 1000, 0.9f, 1.0f},
      {"hiss at 7.5 kHz", 48000, 7500, 0, 0.1f},
      {"a rate below the asked one", 8000, 0, 0.4999f, 0.5001f},
  };
  for (const auto& c : cases) {
    const Reduced reduced = Reduce(c.rate, c.hertz, 2);
    EXPECT_NEAR(double(reduced.samples.size()), 16000, 1) << c.name;
    EXPECT_GE(reduced.peak, c.lowest) << c.name;
    EXPECT_LE(reduced.peak, c.highest) << c.name;
  }
}

}  // namespace
}  // namespace lumetra
