#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "files/temporary_files.h"

int main(int argc, char** argv) {
  lumetra::InstallTemporaryFileCleanup();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int code = lumetra::cli::RunCli(args, std::cout, std::cerr);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "lumetra-cli: cannot write to standard output\n";
    return lumetra::cli::kExitFailed;
  }
  return code;
}
