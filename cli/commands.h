#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace lumetra {
struct OperationResult;
}

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

// Prints the result's message (CR shown as a line break) where it belongs and returns the
// exit code: completion on stdout (0), refusal on stderr (1), failure on stderr with the
// input line where reading stopped (2).
int Report(const OperationResult& result, std::ostream& out, std::ostream& err);

// The whole command line, for main() and the tests.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lumetra::cli
