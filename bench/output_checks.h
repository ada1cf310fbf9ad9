#pragma once

#include <filesystem>
#include <string>

namespace lumetra::bench {

// What an operation of the bench runs on, and where it wrote.
struct CheckFiles {
  std::string cli;
  std::filesystem::path input;    // the generated file the operation read
  std::filesystem::path outputs;  // the folder it wrote into, holding nothing else
  long entries;
  long spanSeconds;
};

// Compares what `command` (the first word of a bench case: "convert", "correct", ...) wrote
// into CheckFiles::outputs with what it must be: by a round trip that must give the input
// back, or against the generator's own expectations. Returns what differs; empty when all is
// well. May run lumetra-cli again and leaves its outputs in the folder.
std::string CheckOutput(const std::string& command, const CheckFiles& files);

// CheckOutput in a child process: the entries a check holds never swell the bench's own
// memory, which every measured child would otherwise inherit as its peak resident set.
std::string CheckOutputApart(const std::string& command, const CheckFiles& files);

}  // namespace lumetra::bench
