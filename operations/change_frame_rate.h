#pragma once

#include <string>

#include "operations/frame.h"

namespace lumetra {

struct ChangeFrameRateParams {
  std::string inputPath;
  std::string currentRateText;  // selected entry of lstCurrentFrameRate, e.g. "23.976"
  std::string newRateText;      // selected entry of lstNewFrameRate
  char decimalSeparator = '.';  // of the user's locale, for the output file name
  bool deleteSource = false;
  bool outputAsInput = false;
};

// Rescales every frame number of a MicroDVD file from the current to the new rate.
OperationResult ChangeFrameRate(const ChangeFrameRateParams& params, FrameView& view);

}  // namespace lumetra
