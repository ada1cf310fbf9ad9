#pragma once

#include <optional>
#include <string>

namespace lumetra {
class FrameView;

struct GuessFrameRateParams {
  std::string inputPath;
  std::string lengthText;                // text of txtLengteFilm
  std::optional<double> lengthSeconds;   // its number; nullopt when not a number
  std::optional<int> correctionMinutes;  // item of lstGuessCorrection; nullopt: none selected
  char decimalSeparator = '.';           // of the user's locale, for the result
  bool deleteSource = false;
};

// Estimates the frame rate of a MicroDVD file from the movie's length; writes nothing.
void GuessFrameRate(const GuessFrameRateParams& params, FrameView& view);

// A movie's length in whole seconds, for the length field; or why it cannot be read.
struct MovieLength {
  long long seconds = 0;
  std::string failure;  // the user's message; empty when the length was read
};
MovieLength ReadMovieLength(const std::string& moviePath);

}  // namespace lumetra
