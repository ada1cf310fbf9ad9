#include "operations/fit_alignment.h"

#include <gtest/gtest.h>

#include <random>

#include "movie/speech_detector.h"

namespace lumetra {
namespace {

// The fast correlation against its plain reference, over sizes that cross the transform's
// power-of-two boundaries and shifts that leave the target on both sides.
TEST(FitAlignment, FourierCorrelationEqualsDirectOne) {
  struct Case {
    const char* name;
    std::size_t spans, target;
    long lowest, highest;
  };
  const Case cases[] = {
      {"one each", 1, 1, -2, 2},
      {"power of two", 8, 8, -8, 8},
      {"longer spans", 37, 5, -40, 6},
      {"longer target", 3, 130, -5, 131},
      {"beyond both ends", 16, 16, -40, 40},
  };
  std::mt19937 random(7);
  std::uniform_real_distribution<double> value(-1, 1);
  for (const Case& c : cases) {
    std::vector<double> spans(c.spans), target(c.target);
    for (double& v : spans)
      v = value(random);
    for (double& v : target)
      v = value(random);
    const auto fast = CorrelateByFourier(spans, target, c.lowest, c.highest);
    const auto plain = CorrelateDirectly(spans, target, c.lowest, c.highest);
    ASSERT_EQ(fast.size(), plain.size()) << c.name;
    for (std::size_t i = 0; i < fast.size(); ++i) {
      EXPECT_NEAR(fast[i], plain[i], 1e-9) << c.name << " shift " << c.lowest + long(i);
    }
  }
}

// Pauses between words are bridged first, then spans too short for dialogue dropped.
TEST(FitAlignment, SmoothsSpeechDecisions) {
  const struct {
    const char* name;
    std::string before, after;  // one character a frame: '#' speech
  } cases[] = {
      {"short gap bridged", "###..###", "########"},
      {"long gap kept", "###...###", "###...###"},
      {"short span dropped", "..##....", "........"},
      {"span bridged into length", "##..##..", "######.."},
      {"edges untouched", "###.....", "###....."},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> decisions;
    for (const char frame : c.before)
      decisions.push_back(frame == '#');
    SmoothDecisions(decisions, 2, 3);
    std::string after;
    for (const std::uint8_t on : decisions)
      after += on ? '#' : '.';
    EXPECT_EQ(after, c.after) << c.name;
  }
}

}  // namespace
}  // namespace lumetra
