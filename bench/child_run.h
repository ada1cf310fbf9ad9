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

// The middle value, or the mean of the two middle values.
double Median(std::vector<double> values);

// Runs `program` (looked up in PATH) with `args`, its standard output thrown away, and
// measures it from outside: nothing in the program needs to cooperate.
Measure RunChild(const std::string& program, const std::vector<std::string>& args);

// Runs each of `contenders` once to warm the page cache, then `runs` rounds of all of them in
// turn, so that a change in the machine's load falls on each alike. Returns for each the
// median wall and CPU time of its rounds (each taken on its own), its largest peak and its
// last bad status.
std::vector<Measure> MedianOfRounds(int runs,
                                    const std::vector<std::function<Measure()>>& contenders);

}  // namespace lumetra::bench
