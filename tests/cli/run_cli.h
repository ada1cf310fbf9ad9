#pragma once

#include <string>
#include <vector>

namespace lumetra::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the built lumetra-cli with these arguments and collects what it prints.
// `stdoutPath` redirects its standard output to a file (e.g. /dev/full) instead.
CliRun RunCliProcess(const std::vector<std::string>& args, const std::string& stdoutPath = "");

}  // namespace lumetra::testing
