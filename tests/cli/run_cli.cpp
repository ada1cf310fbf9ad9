#include "cli/run_cli.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace lumetra::testing {

void ExecCli(const std::vector<std::string>& args, int out, int err) {
  dup2(out, 1);
  dup2(err, 2);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(LUMETRA_CLI_PATH));
  for (const auto& arg : args) {
    argv.push_back(const_cast<char*>(arg.c_str()));
  }
  argv.push_back(nullptr);
  execv(LUMETRA_CLI_PATH, argv.data());
  _exit(127);
}

CliRun RunCliProcess(const std::vector<std::string>& args, const std::string& stdoutPath,
                     const std::function<void()>& inChild) {
  TempDir dir;
  const std::string outPath = stdoutPath.empty() ? dir.file("out") : stdoutPath;
  const std::string errPath = dir.file("err");
  const pid_t child = fork();
  if (child == 0) {
    if (inChild) {
      inChild();
    }
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ExecCli(args, out, err);
  }
  int status = 0;
  waitpid(child, &status, 0);
  CliRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (stdoutPath.empty()) {
    run.out = ReadFile(outPath);
  }
  run.err = ReadFile(errPath);
  return run;
}

}  // namespace lumetra::testing
