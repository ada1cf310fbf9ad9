#include <algorithm>
#include <ostream>

#include "cli/commands.h"

namespace lumetra::cli {
namespace {

// Message texts join their lines with a bare CR; a terminal wants line breaks.
void PrintMessage(std::ostream& stream, const std::string& text) {
  for (const char c : text) {
    stream << (c == '\r' ? '\n' : c);
  }
  stream << '\n';
}

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

}  // namespace

void ReportingView::showMessage(const Message& message) {
  std::ostream& stream = message.kind == MessageKind::Completion ? out_ : err_;
  PrintMessage(stream, message.text);
  if (message.inputLine > 0) {
    stream << "Reading stopped at line " << message.inputLine << " of the input.\n";
  }
  exitCode_ = std::max(exitCode_, ExitCodeOf(message.kind));
}

}  // namespace lumetra::cli
