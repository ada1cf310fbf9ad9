#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "operations/frame_view.h"

namespace lumetra::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitFailed = 2;
inline constexpr int kExitUsage = 64;

// Each command takes the words after its name. Exit codes: 0 completed, 1 refused,
// 2 failed, 64 usage error (UsageError thrown).
using Command = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int SynchronizeCommand(const std::vector<std::string>&, std::ostream&, std::ostream&);
int ConvertCommand(const std::vector<std::string>&, std::ostream&, std::ostream&);
int ChangeFrameRateCommand(const std::vector<std::string>&, std::ostream&, std::ostream&);
int CorrectCommand(const std::vector<std::string>&, std::ostream&, std::ostream&);
int DeleteCommentsCommand(const std::vector<std::string>&, std::ostream&, std::ostream&);
int SplitCommand(const std::vector<std::string>&, std::ostream&, std::ostream&);
int GuessFrameRateCommand(const std::vector<std::string>&, std::ostream&, std::ostream&);

// An operation's messages as the command line shows them (CR as a line break): completions on
// stdout, refusals and failures on stderr, a failure with the input line where reading
// stopped. The exit code is the worst of them: 0 completed, 1 refused, 2 failed.
class ReportingView final : public FrameView {
 public:
  ReportingView(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
  void showMessage(const Message& message) override;
  int exitCode() const { return exitCode_; }

 private:
  std::ostream& out_;
  std::ostream& err_;
  int exitCode_ = kExitOk;
};

// The whole command line, for main() and the tests.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lumetra::cli
