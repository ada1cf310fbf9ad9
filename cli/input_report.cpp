#include "cli/input_report.h"

#include <algorithm>
#include <ostream>

#include "cli/commands.h"

namespace lumetra::cli {
namespace {

int ExitCodeOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Completion:
      return kExitOk;
    case MessageKind::Refusal:
      return kExitRefused;
    case MessageKind::Failure:
      break;
  }
  return kExitFailed;
}

std::string StoppedAt(long line) {
  return "Reading stopped at line " + std::to_string(line) + " of the input.";
}

// Message texts join their lines with a bare CR.
std::string Joined(const std::string& text, char lineBreak) {
  std::string joined;
  for (const char c : text) {
    if (c != '\r') {
      joined += c;
    } else if (lineBreak == '\n' || (!joined.empty() && joined.back() != ' ')) {
      joined += lineBreak;
    }
  }
  return joined;
}

}  // namespace

void InputReport::showMessage(const Message& message) {
  messages_.push_back(message);
  exitCode_ = std::max(exitCode_, ExitCodeOf(message.kind));
}

void InputReport::print(std::ostream& out, std::ostream& err, const std::string& batchPath) const {
  const char lineBreak = batchPath.empty() ? '\n' : ' ';
  for (const Message& message : messages_) {
    std::ostream& stream = message.kind == MessageKind::Completion ? out : err;
    if (!batchPath.empty()) {
      stream << batchPath << ": ";
    }
    stream << Joined(message.text, lineBreak);
    if (message.inputLine > 0) {
      stream << lineBreak << StoppedAt(message.inputLine);
    }
    // Flushed, so that stdout and stderr keep their order on a terminal.
    stream << std::endl;
  }
}

}  // namespace lumetra::cli
