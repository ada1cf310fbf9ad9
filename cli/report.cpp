#include <ostream>

#include "cli/commands.h"
#include "operations/operation_result.h"

namespace lumetra::cli {
namespace {

// Message texts join their lines with a bare CR; a terminal wants line breaks.
void PrintMessage(std::ostream& stream, const std::string& text) {
  for (const char c : text) {
    stream << (c == '\r' ? '\n' : c);
  }
  stream << '\n';
}

}  // namespace

int Report(const OperationResult& result, std::ostream& out, std::ostream& err) {
  switch (result.outcome) {
    case Outcome::Completed:
      PrintMessage(out, result.message ? result.message->text : std::string());
      return kExitOk;
    case Outcome::Refused:
      PrintMessage(err, result.message ? result.message->text : std::string());
      return kExitRefused;
    case Outcome::Silent:
      // The window says nothing here; a script still needs to know why nothing happened.
      PrintMessage(err, "The file is neither a MicroDVD nor a SubRip subtitle.");
      return kExitRefused;
    case Outcome::FormatFailure:
    case Outcome::OtherFailure:
      PrintMessage(err, result.message ? result.message->text : std::string());
      if (result.failureLine > 0) {
        err << "Reading stopped at line " << result.failureLine << " of the input.\n";
      }
      return kExitFailed;
  }
  return kExitFailed;
}

}  // namespace lumetra::cli
