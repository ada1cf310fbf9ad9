#include "operations/fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>

#include "movie/movie_error.h"
#include "movie/movie_facts.h"
#include "movie/movie_speech.h"
#include "operations/fit_points.h"
#include "operations/fit_summary.h"
#include "operations/fit_timing.h"
#include "operations/operation_params.h"
#include "operations/recording_view.h"
#include "support/temp_dir.h"

namespace lumetra {
namespace {

using testing::Params;
using testing::RecordingView;
using testing::TempDir;

constexpr int kRate = 16000;

// Bursts standing in for dialogue: a pitch that jumps every 60 ms, as syllables do, over a
// faint steady noise. Returns their times in seconds.
std::vector<TimedSpan> Bursts(unsigned seed, double seconds) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> length(0.6, 2.2), gap(0.4, 2.5);
  std::vector<TimedSpan> bursts;
  for (double t = 5 + gap(random); t + 2.5 < seconds; t += gap(random)) {
    const double end = t + length(random);
    bursts.push_back({t, end});
    t = end;
  }
  return bursts;
}

// A mono 16-bit WAV file of the bursts, which FFmpeg reads like any movie.
std::string SpokenWav(const std::vector<TimedSpan>& bursts, double seconds) {
  const auto samples = static_cast<std::uint32_t>(seconds * kRate);
  std::string wav = "RIFF????WAVEfmt ";
  const auto put = [&](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
      wav += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  put(16, 4), put(1, 2), put(1, 2), put(kRate, 4), put(kRate * 2, 4), put(2, 2), put(16, 2);
  wav += "data";
  put(samples * 2, 4);
  std::mt19937 random(1);
  std::normal_distribution<double> noise(0, 0.002);
  const double pitches[] = {300, 520, 410, 760, 350, 640};
  for (std::uint32_t i = 0; i < samples; ++i) {
    const double t = double(i) / kRate;
    double value = noise(random);
    for (const TimedSpan& burst : bursts) {
      if (t >= burst.start && t < burst.end) {
        const double pitch = pitches[static_cast<int>((t - burst.start) / 0.06) % 6];
        value += 0.3 * std::sin(2 * M_PI * pitch * t) + 0.15 * std::sin(2 * M_PI * 3.1 * pitch * t);
      }
    }
    put(static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 32000)), 2);
  }
  wav.replace(4, 4,
              std::string{char((wav.size() - 8) & 0xFF), char(((wav.size() - 8) >> 8) & 0xFF),
                          char(((wav.size() - 8) >> 16) & 0xFF), char((wav.size() - 8) >> 24)});
  return wav;
}

std::string SrtTime(double seconds) {
  const long ms = std::lround(seconds * 1000);
  char text[32];
  std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld,%03ld", ms / 3600000, ms / 60000 % 60,
                ms / 1000 % 60, ms % 1000);
  return text;
}

// The spans as a subtitle shows them: through movie = speed × time + shift, backwards.
std::string Srt(const std::vector<TimedSpan>& spans, const FitModel& model) {
  std::string srt;
  int number = 0;
  for (const TimedSpan& span : spans) {
    srt += std::to_string(++number) + "\r\n" +
           SrtTime((span.start - model.shiftSeconds) / model.speed) + " --> " +
           SrtTime((span.end - model.shiftSeconds) / model.speed) + "\r\nline\r\n\r\n";
  }
  return srt;
}

constexpr double kSeconds = 60;

// A build without FFmpeg refuses movies; its tests of movies have nothing to look at.
#ifdef LUMETRA_MOVIE_SUPPORT
#define SKIP_WITHOUT_MOVIES()
constexpr const char* kNotAMovie = "The movie has no sound.";
#else
constexpr const char* kNotAMovie = kNoMovieSupport;
#define SKIP_WITHOUT_MOVIES() GTEST_SKIP() << "built without movie support"
#endif

FitRequest Request(FitSource source) {
  FitRequest request;
  request.source = source;
  return request;
}

struct FitCase {
  const char* name;
  FitModel distortion;  // what the subtitle suffers; the fit must undo it
};

TEST(Fit, UndoesShiftAndSpeedFromTheMovieSound) {
  SKIP_WITHOUT_MOVIES();
  const TempDir dir;
  const std::vector<TimedSpan> bursts = Bursts(3, kSeconds);
  FitRequest request;
  request.moviePath = dir.write("movie.wav", SpokenWav(bursts, kSeconds));
  const FitCase cases[] = {
      {"later", {1, 3.2}},
      {"earlier", {1, -1.55}},
      {"made for 25 fps, played at 23.976", {25 / (24000.0 / 1001), -0.8}},
      {"made for 23.976 fps, played at 25", {(24000.0 / 1001) / 25, 2.0}},
  };
  for (const FitCase& c : cases) {
    const std::string input = dir.write("in.srt", Srt(bursts, c.distortion));
    RecordingView view;
    FitToMovie(Params(input, SubtitleFormat::SubRip), request, view);
    ASSERT_TRUE(view.completed()) << c.name << ": " << view.lastText();
    const SubtitleTiming fitted = ReadSubtitleTiming(dir.file("in - fitted.srt"), std::nullopt);
    ASSERT_EQ(fitted.spans.size(), bursts.size()) << c.name;
    for (std::size_t i = 0; i < bursts.size(); ++i) {
      EXPECT_NEAR(fitted.spans[i].start, bursts[i].start, 0.1) << c.name << " entry " << i + 1;
    }
  }
}

// The movie heard in two halves side by side decides as when heard in one go, also when its
// sound ends before the middle of what the movie says is its length.
TEST(Fit, HearsTheSameSpeechInTwoParts) {
  SKIP_WITHOUT_MOVIES();
  const TempDir dir;
  const std::string movie = dir.write("movie.wav", SpokenWav(Bursts(5, kSeconds), kSeconds));
  const auto whole = HearSpeech(movie, 0, kSeconds, {}, 1);
  ASSERT_TRUE(whole);
  for (const double length : {kSeconds, 3 * kSeconds}) {
    const auto halves = HearSpeech(movie, 0, length, {}, 2);
    ASSERT_TRUE(halves);
    ASSERT_NEAR(double(halves->size()), double(whole->size()), 2) << length;
    std::size_t differ = 0;
    for (std::size_t i = 0; i < std::min(whole->size(), halves->size()); ++i) {
      differ += (*whole)[i] != (*halves)[i];
    }
    EXPECT_LE(differ, 5u) << length;  // at most a few frames where the halves meet
  }
}

// Cancelling stops both halves and gives nothing.
TEST(Fit, StopsBothHalvesWhenCancelled) {
  SKIP_WITHOUT_MOVIES();
  const TempDir dir;
  const std::string movie = dir.write("movie.wav", SpokenWav(Bursts(6, kSeconds), kSeconds));
  int told = 0;
  EXPECT_FALSE(HearSpeech(
      movie, 0, kSeconds, [&](double) { return ++told < 3; }, 2));
  EXPECT_EQ(told, 3);
}

TEST(Fit, RefusesTheSubtitleOfAnotherMovie) {
  SKIP_WITHOUT_MOVIES();
  const TempDir dir;
  FitRequest request;
  request.moviePath = dir.write("movie.wav", SpokenWav(Bursts(3, kSeconds), kSeconds));
  const std::string input = dir.write("other.srt", Srt(Bursts(11, kSeconds), {}));
  RecordingView view;
  FitToMovie(Params(input, SubtitleFormat::SubRip), request, view);
  EXPECT_EQ(view.lastText(), kNoMatchWithMovie);
  EXPECT_FALSE(dir.exists("other - fitted.srt"));
  request.force = true;  // written all the same when forced
  FitToMovie(Params(input, SubtitleFormat::SubRip), request, view);
  EXPECT_TRUE(view.completed());
  EXPECT_TRUE(dir.exists("other - fitted.srt"));
}

TEST(Fit, ReferenceAndTwoPointsGiveTheirFit) {
  const TempDir dir;
  const std::vector<TimedSpan> bursts = Bursts(5, kSeconds);
  const std::string input = dir.write("in.sub", "{250}{300}a\r\n{500}{550}b\r\n{1000}{1100}c\r\n");
  struct Case {
    const char* name;
    FitRequest request;
    std::string expected;
  };
  FitRequest reference = Request(FitSource::Reference);
  reference.referencePath = dir.write("ref.srt", Srt(bursts, {}));
  const std::string shifted = dir.write("shifted.srt", Srt(bursts, {1, -4.5}));
  FitRequest points = Request(FitSource::Points);
  points.points = {{1, 20}, {3, 60}};  // frames 250 → 20 s, 1000 → 60 s at 25 fps
  const Case cases[] = {
      {"two points", points, "{500}{567}a\r\n{833}{900}b\r\n{1500}{1633}c\r\n"},
  };
  for (const Case& c : cases) {
    RecordingView view;
    FitToMovie(Params(input), c.request, view);
    ASSERT_TRUE(view.completed()) << c.name << ": " << view.lastText();
    EXPECT_EQ(dir.read("in - fitted.sub"), c.expected) << c.name;
  }
  RecordingView view;
  FitToMovie(Params(shifted, SubtitleFormat::SubRip), reference, view);
  ASSERT_TRUE(view.completed()) << view.lastText();
  const SubtitleTiming fitted = ReadSubtitleTiming(dir.file("shifted - fitted.srt"), std::nullopt);
  ASSERT_EQ(fitted.spans.size(), bursts.size());
  for (std::size_t i = 0; i < bursts.size(); ++i) {
    EXPECT_NEAR(fitted.spans[i].start, bursts[i].start, 0.011) << "entry " << i + 1;
  }
}

TEST(Fit, RefusesWhatCannotBeFitted) {
  const TempDir dir;
  const std::string input = dir.write("in.srt", Srt({{1, 2}, {3, 4}}, {}));
  FitRequest missing = Request(FitSource::MovieSound);
  FitRequest notAMovie = Request(FitSource::MovieSound);
  notAMovie.moviePath = input;
  FitRequest noEntry = Request(FitSource::Points);
  noEntry.points = {{1, 5}, {9, 10}};
  FitRequest turned = Request(FitSource::Points);
  turned.points = {{1, 5}, {2, 4}};
  const struct {
    const char* name;
    FitRequest request;
    std::string start;
  } cases[] = {
      {"no movie", missing, "Select a movie!"},
      {"not a movie", notAMovie, kNotAMovie},
      {"entry missing", noEntry, "The subtitle has no entry 9!"},
      {"order turned", turned, "The two points do not give a fit"},
  };
  for (const auto& c : cases) {
    RecordingView view;
    FitToMovie(Params(input, SubtitleFormat::SubRip), c.request, view);
    EXPECT_EQ(view.lastText().rfind(c.start, 0), 0u) << c.name << ": " << view.lastText();
    EXPECT_FALSE(dir.exists("in - fitted.srt")) << c.name;
  }
}

TEST(Fit, ReadsPoints) {
  const struct {
    const char* text;
    bool valid;
    double first, second;
  } cases[] = {
      {"12=754.25,340=1:02:03,500", true, 754.25, 3723.5},
      {"1=0:05.5,2=1:00:00", true, 5.5, 3600},
      {"1=5", false, 0, 0},
      {"1=5,1=6", false, 0, 0},
      {"1=5,2=1:75", false, 0, 0},
      {"a=5,2=6", false, 0, 0},
      {"1=5,2=6,3=7", false, 0, 0},
  };
  for (const auto& c : cases) {
    const auto points = ParseFitPoints(c.text);
    ASSERT_EQ(points.has_value(), c.valid) << c.text;
    if (points) {
      EXPECT_DOUBLE_EQ((*points)[0].seconds, c.first) << c.text;
      EXPECT_DOUBLE_EQ((*points)[1].seconds, c.second) << c.text;
    }
  }
}

TEST(Fit, NamesTheSpeed) {
  const struct {
    double speed, framesRate, movieRate;
    const char* expected;
  } cases[] = {
      {1, 0, 25, "unchanged"},
      {25 / (24000.0 / 1001), 0, 24000.0 / 1001, "25 → 23.976 fps"},
      {1.001, 0, 30000.0 / 1001, "30 → 29.97 fps"},       // the movie's rate is the one it goes to
      {25 / (24000.0 / 1001), 25, 0, "25 → 23.976 fps"},  // MicroDVD read at 25
      {1.0123, 0, 25, "× 1.0123"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SpeedText(c.speed, c.framesRate, c.movieRate), c.expected) << c.expected;
  }
}

TEST(Fit, ProbesATinyMovie) {
  SKIP_WITHOUT_MOVIES();
  const TempDir dir;
  const std::string movie = dir.file("tiny.mkv");
  const std::string command =
      "ffmpeg -v error -f lavfi -i testsrc=size=32x24:rate=24000/1001 -f lavfi -i "
      "sine=sample_rate=8000 -t 1 -metadata:s:a:0 language=fre -c:v mpeg4 -c:a mp2 " +
      movie + " >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) {
    GTEST_SKIP() << "ffmpeg is not installed";
  }
  const MovieFacts facts = ProbeMovie(movie);
  EXPECT_NEAR(facts.durationSeconds, 1, 0.1);
  EXPECT_EQ(facts.frameRate.numerator, 24000);
  EXPECT_EQ(facts.frameRate.denominator, 1001);
  EXPECT_EQ(facts.frameRateWarning, "");
  ASSERT_EQ(facts.audioTracks.size(), 1u);
  EXPECT_EQ(facts.audioTracks[0].language, "fre");
  EXPECT_EQ(facts.defaultTrack, 1);
}

}  // namespace
}  // namespace lumetra
