#pragma once

#include <optional>
#include <string>

#include "operations/frame.h"

namespace lumetra {

struct ChangeFrameRateParams {
  std::string inputPath;
  // Selected entry of lstCurrentFrameRate, e.g. "23.976"; open: the listed rate the input
  // declares, else "25".
  std::optional<std::string> currentRateText;
  std::string newRateText;      // selected entry of lstNewFrameRate
  char decimalSeparator = '.';  // of the user's locale, for the output file name
  bool deleteSource = false;
  bool outputAsInput = false;
  std::string outputFolder;                    // where the output goes; empty: beside the input
  bool keepExistingOutputs = false;            // an existing output refuses the run
  Committer* committer = &CommitEachAtOnce();  // names the output
  TextChoice text{};                           // the input's code page, UTF-8 output
};

// Rescales every frame number of a MicroDVD file from the current to the new rate.
void ChangeFrameRate(const ChangeFrameRateParams& params, FrameView& view);

}  // namespace lumetra
