#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "files/committer.h"

namespace lumetra::cli {

class Arguments;
class InputReport;

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitFailed = 2;
inline constexpr int kExitUsage = 64;

// One input of a run, where its outputs go ("" beside it) and what names them.
struct InputTask {
  std::string path;
  std::string outputFolder;
  Committer* committer = &CommitEachAtOnce();
};

// A command made ready from its options, once for all inputs: runs it on one input and
// tells `report` what happened. May run on several threads at once.
struct PreparedCommand {
  std::function<void(const InputTask& task, InputReport& report)> run;
  // --dry-run: the run writes nothing and reports every change as it goes, so the inputs
  // are taken one after the other.
  bool previews = false;
  // What, besides the input's name stem and the output folder, names the outputs of an
  // input (see CollidingInputs); empty for a command that writes nothing.
  std::function<std::string(const InputTask& task)> outputKind = {};
};

// Each command reads its options; a bad one throws UsageError (exit 64).
using Command = PreparedCommand (*)(const Arguments& arguments);

PreparedCommand SynchronizeCommand(const Arguments& arguments);
PreparedCommand ConvertCommand(const Arguments& arguments);
PreparedCommand ChangeFrameRateCommand(const Arguments& arguments);
PreparedCommand CorrectCommand(const Arguments& arguments);
PreparedCommand DeleteCommentsCommand(const Arguments& arguments);
PreparedCommand SplitCommand(const Arguments& arguments);
PreparedCommand GuessFrameRateCommand(const Arguments& arguments);
PreparedCommand ProbeCommand(const Arguments& arguments);
PreparedCommand RecodeCommand(const Arguments& arguments);
PreparedCommand FitCommand(const Arguments& arguments);

// The whole command line, for main() and the tests.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lumetra::cli
