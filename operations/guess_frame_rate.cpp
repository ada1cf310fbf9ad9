#include "operations/guess_frame_rate.h"

#include <cmath>
#include <cstdint>
#include <memory>

#include "operations/end_frame_scan.h"
#include "operations/frame.h"
#include "subtitle/number_text.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/text_reader.h"

namespace lumetra {
namespace {

constexpr const char* kBusyLiteral = " - Written by Taviel - Guessing framerate...";

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

}  // namespace

OperationResult GuessFrameRate(const GuessFrameRateParams& params, FrameView& view) {
  if (params.inputPath.empty()) {
    return Refusal(view, "Select a subtitle!");
  }
  if (params.lengthText == "0") {
    return Refusal(view, "The length of the movie can't be 0!");
  }
  if (!params.lengthSeconds) {
    return Refusal(view, "The length of the movie must numeric!");
  }
  double divisor = std::floor(*params.lengthSeconds);
  if (params.correctionMinutes) {
    divisor += 60.0 * *params.correctionMinutes;
  }
  // Only reachable without the window, e.g. a length of "00" or "0.5".
  if (!(divisor > 0)) {
    return Refusal(view, "The length of the movie can't be 0!");
  }

  SubtitleFormat format;
  try {
    format = DetectFileFormat(params.inputPath);
  } catch (const SubtitleError& error) {
    return FailureResult(view, error);
  }
  if (format == SubtitleFormat::SubRip) {
    return Refusal(view, "You can not guess the framerate of a SubRip subtitle",
                   MessageIcon::Information);
  }
  if (format == SubtitleFormat::Unknown) {
    return Refusal(view, "The selected file is not a subtitle (or is an unknown format)");
  }

  view.enterBusy(BusyCaption(kBusyLiteral));
  double endFrame = 0;
  try {
    TextReader input(params.inputPath);
    std::string line;
    while (!input.atEnd()) {
      const long lineNumber = input.lineNumber();
      input.readLine(line);
      if (const auto end = GuessEndFrame(line, lineNumber)) {
        endFrame = *end;  // the last usable line counts, not the largest end
      }
    }
  } catch (const SubtitleError& error) {
    return FailureResult(view, error, true);
  }

  OperationResult result;
  result.outcome = Outcome::Completed;
  result.frameRate = RoundToThousandths(endFrame, divisor);
  view.leaveBusy();
  const Message message{std::string("Lumetra ") + kVersion,
                        "Calculated framerate: " +
                            ShortestDecimal(*result.frameRate, params.decimalSeparator) + " fps",
                        MessageIcon::None};
  CompleteThenDeleteSource(params.inputPath, params.deleteSource, message, result, view);
  return result;
}

}  // namespace lumetra
