#pragma once

#include <functional>
#include <string>
#include <vector>

namespace lumetra::bench {

struct Measure {
  double wallSeconds = 0;
  double cpuSeconds = 0;  // user and system time of the child
  long peakKiB = 0;       // the child's largest resident set
  int status = 0;         // exit status; -1 when it died of a signal
};

// Runs `program` (looked up in PATH) with `args`, its standard output thrown away, and
// measures it from outside: nothing in the program needs to cooperate.
Measure RunChild(const std::string& program, const std::vector<std::string>& args);

// Runs `once` to warm the page cache, then `runs` times more. Returns the median wall and
// CPU time of those (each taken on its own), the largest peak, and the last bad status.
Measure MedianOfRuns(int runs, const std::function<Measure()>& once);

}  // namespace lumetra::bench
