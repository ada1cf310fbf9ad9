#pragma once

#include <optional>
#include <string>
#include <vector>

#include "operations/message.h"

namespace lumetra {

enum class Outcome {
  Completed,      // the operation ran to its end
  Refused,        // a precondition or a refusal: nothing was opened or changed
  Silent,         // ended without a message and without any change
  FormatFailure,  // a digit the reader needed was something else
  OtherFailure,   // anything else: missing file, full disk, unknown format...
};

// What an operation tells its caller. The window has already been told the same through its
// FrameView, in the order the user sees it; the command line reads it from here.
struct OperationResult {
  Outcome outcome = Outcome::Completed;
  std::optional<Message> message;    // absent only for Outcome::Silent
  std::vector<std::string> outputs;  // files written and kept, in order
  int failureNumber = 0;             // for OtherFailure (13 for a format failure)
  std::string failureDescription;
  long failureLine = 0;             // input line where reading stopped, 0 when none
  long long count = 0;              // corrections, deleted comments or segments
  std::optional<double> frameRate;  // the result of Guess frame rate

  // What the window writes back after success.
  std::optional<std::string> newSource;         // txtBron; "" clears it
  std::optional<std::string> inputInformation;  // caption of lblInputFileInformation
};

}  // namespace lumetra
