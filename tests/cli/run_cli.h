#pragma once

#include <functional>
#include <string>
#include <vector>

namespace lumetra::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// In a child process: becomes the built lumetra-cli with these arguments, its standard
// output and error going to `out` and `err`.
[[noreturn]] void ExecCli(const std::vector<std::string>& args, int out, int err);

// Runs the built lumetra-cli with these arguments and collects what it prints.
// `stdoutPath` redirects its standard output to a file (e.g. /dev/full) instead; `inChild`
// runs in the new process before the program starts (a limit, a mount namespace).
CliRun RunCliProcess(const std::vector<std::string>& args, const std::string& stdoutPath = "",
                     const std::function<void()>& inChild = nullptr);

}  // namespace lumetra::testing
