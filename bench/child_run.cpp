#include "bench/child_run.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace lumetra::bench {
namespace {

double Seconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

}  // namespace

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Measure RunChild(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) {
    argv.push_back(const_cast<char*>(arg.c_str()));
  }
  argv.push_back(nullptr);

  std::fflush(stdout);
  const auto begin = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    // Only async-signal-safe calls between fork and exec.
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    execvp(program.c_str(), argv.data());
    _exit(127);
  }
  Measure measure;
  if (child < 0) {
    measure.status = -1;
    return measure;
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  measure.wallSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  measure.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  measure.peakKiB = usage.ru_maxrss;
  measure.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return measure;
}

std::vector<Measure> MedianOfRounds(int runs,
                                    const std::vector<std::function<Measure()>>& contenders) {
  std::vector<Measure> results;
  for (const auto& contender : contenders) {
    results.push_back(contender());
  }
  std::vector<std::vector<double>> wall(contenders.size());
  std::vector<std::vector<double>> cpu(contenders.size());
  for (int run = 0; run < runs; ++run) {
    for (std::size_t i = 0; i < contenders.size(); ++i) {
      const Measure measure = contenders[i]();
      wall[i].push_back(measure.wallSeconds);
      cpu[i].push_back(measure.cpuSeconds);
      results[i].peakKiB = std::max(results[i].peakKiB, measure.peakKiB);
      if (measure.status != 0) {
        results[i].status = measure.status;
      }
    }
  }
  for (std::size_t i = 0; i < contenders.size(); ++i) {
    results[i].wallSeconds = Median(wall[i]);
    results[i].cpuSeconds = Median(cpu[i]);
  }
  return results;
}

}  // namespace lumetra::bench
