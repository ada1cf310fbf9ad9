#include "operations/fit_alignment.h"

#include <gtest/gtest.h>

#include <random>

#include "movie/speech_detector.h"
#include "operations/fit_timing.h"

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

// Dialogue comes in scenes with long quiet stretches between them, and the detector takes some
// music for speech: the agreement swells wherever a subtitle's scenes meet speech, and a fit
// must still stand out of those swells; a subtitle of other scenes must not.
TEST(FitAlignment, TrustsAFitOverScenesAndRefusesOtherScenes) {
  const auto scenes = [](unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> line(0.8, 3), pause(0.3, 3), quiet(30, 150);
    std::vector<TimedSpan> spans;
    for (double t = 10; t < 1200; t += pause(random)) {
      spans.push_back({t, t + line(random)});
      t = spans.back().end + (random() % 6 == 0 ? quiet(random) : 0);
    }
    return spans;
  };
  const std::vector<TimedSpan> truth = scenes(3);
  std::vector<TimedSpan> heard;  // a third of the lines missed, music taken for speech
  for (std::size_t i = 0; i < truth.size(); ++i) {
    if (i % 3 != 0) {
      heard.push_back(truth[i]);
    }
  }
  for (double t = 0; t < 1200; t += 173) {
    heard.push_back({t, t + 60});
  }
  const std::vector<std::uint8_t> target = SignalOf(heard);
  std::vector<TimedSpan> late;  // the subtitle begins 150 s into the movie
  for (const TimedSpan& span : truth) {
    if (span.start > 150) {
      late.push_back({span.start - 150, span.end - 150});
    }
  }
  const Alignment fitted = Align(target, late, CandidateSpeeds(0), 600);
  EXPECT_TRUE(fitted.confident) << fitted.standout;
  EXPECT_NEAR(fitted.model.shiftSeconds, 150, 0.05);
  EXPECT_EQ(fitted.model.speed, 1);
  EXPECT_FALSE(Align(target, scenes(4), CandidateSpeeds(0), 600).confident);
}

}  // namespace
}  // namespace lumetra
