#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "operations/frame_view.h"

namespace lumetra::cli {

// What the run of one input tells, kept until its turn to be printed: its messages, and the
// exit status they make (0 completed, 1 refused, 2 failed; the worst counts).
class InputReport final : public FrameView {
 public:
  void showMessage(const Message& message) override;
  int exitCode() const { return exitCode_; }

  // Prints the messages: completions on stdout, refusals and failures on stderr, a failure
  // with the input line where reading stopped. The only input of a run shows CR as a line
  // break; one among several (`batchPath` given) prints one line per message, "path: text",
  // its lines joined by spaces.
  void print(std::ostream& out, std::ostream& err, const std::string& batchPath = {}) const;

  // Where a dry run prints each change at once, as it is found.
  std::function<void(const std::string& line)> change;

 private:
  std::vector<Message> messages_;
  int exitCode_ = 0;
};

}  // namespace lumetra::cli
