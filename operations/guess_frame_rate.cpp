#include "operations/guess_frame_rate.h"

#include <cmath>
#include <cstdint>

#include "movie/movie_error.h"
#include "movie/movie_facts.h"
#include "operations/end_frame_scan.h"
#include "operations/frame.h"
#include "subtitle/number_text.h"
#include "subtitle/subtitle_input.h"

namespace lumetra {
namespace {

constexpr const char* kActivity = "Guessing framerate...";

// E ÷ D to three decimals, exact halves to the even neighbour. Whole numbers that fit are
// divided exactly, so a half is recognised as a half and not as its binary neighbour.
double RoundToThousandths(double endFrame, double divisor) {
  constexpr double kExactLimit = 9.0e15;  // 1000 × E still fits in 64 bits
  if (endFrame >= 0 && endFrame <= kExactLimit && divisor > 0 && divisor <= kExactLimit) {
    const auto numerator = static_cast<std::uint64_t>(endFrame) * 1000u;
    const auto denominator = static_cast<std::uint64_t>(divisor);
    std::uint64_t quotient = numerator / denominator;
    const std::uint64_t twiceRemainder = (numerator % denominator) * 2u;
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2u == 1u)) {
      ++quotient;
    }
    return static_cast<double>(quotient) / 1000.0;
  }
  return std::nearbyint(endFrame / divisor * 1000.0) / 1000.0;
}

// The end frame of the last usable line of a MicroDVD input; its frame-rate line ends nothing.
double LastEndFrame(SubtitleInput& input) {
  LineReader& lines = input.lines();
  const long frameRateLine = input.frameRateLineNumber();
  const std::string& name = lines.name();  // for failures: asked once, not for every line
  double endFrame = 0;
  std::string_view line;
  while (lines.next(line)) {
    if (lines.lineNumber() == frameRateLine) {
      continue;
    }
    if (const auto end = GuessEndFrame(line, lines.lineNumber(), name)) {
      endFrame = *end;  // the last usable line counts, not the largest end
    }
  }
  return endFrame;
}

}  // namespace

void GuessFrameRate(const GuessFrameRateParams& params, FrameView& view) {
  if (params.inputPath.empty()) {
    Refuse(view, kSelectASubtitle);
    return;
  }
  if (params.lengthText == "0") {
    Refuse(view, "The length of the movie can't be 0!");
    return;
  }
  if (!params.lengthSeconds) {
    Refuse(view, "The length of the movie must numeric!");
    return;
  }
  double divisor = std::floor(*params.lengthSeconds);
  // Only reachable without the window, e.g. a length of "00" or "0.5".
  if (!(divisor > 0) || !std::isfinite(divisor)) {
    Refuse(view, "The length of the movie can't be 0!");
    return;
  }
  // The last subtitle ends the correction's minutes before the movie does, so those minutes
  // are not part of the time the frames were counted over.
  if (params.correctionMinutes) {
    divisor -= 60.0 * *params.correctionMinutes;
    if (!(divisor > 0)) {
      Refuse(view, "The correction is longer than the movie!");
      return;
    }
  }

  bool busy = false;
  double endFrame = 0;
  try {
    SubtitleInput input(params.inputPath);
    if (const FormatDescription* description = Describe(input.format());
        description && !description->timedInFrames) {
      Refuse(view,
             std::string("You can not guess the framerate of a ") + description->name + " subtitle",
             MessageIcon::Information);
      return;
    }
    if (input.format() == SubtitleFormat::Unknown) {
      Refuse(view, kNotASubtitle);
      return;
    }
    view.enterBusy(BusyCaption(kActivity));
    busy = true;
    endFrame = LastEndFrame(input);
  } catch (...) {
    Fail(view, std::current_exception(), params.inputPath, busy);
    return;
  }
  const double rate = RoundToThousandths(endFrame, divisor);
  view.leaveBusy();
  Complete(view, "Calculated framerate: " + ShortestDecimal(rate, params.decimalSeparator) + " fps",
           NameAndVersion());
  if (params.deleteSource) {
    DeleteSourceFile(params.inputPath, {}, view);
  }
}

MovieLength ReadMovieLength(const std::string& moviePath) {
  try {
    return {std::llround(ProbeMovie(moviePath).durationSeconds), {}};
  } catch (const MovieError& error) {
    return {0, error.what()};
  }
}

}  // namespace lumetra
