#pragma once

#include <cstdint>
#include <string>

#include "bench/child_run.h"

namespace lumetra::bench {

// One operation on one generated file, beside `cp` of the same file.
struct OperationRow {
  std::string operation;
  std::string input;
  long entries = 0;
  std::uintmax_t inputBytes = 0;
  Measure run;
  Measure copy;
};

// One run of a folder of files through one lumetra-cli process.
struct BatchRow {
  std::string what;
  long files = 0;
  long entriesEach = 0;
  int jobs = 0;
  Measure run;
  double speedUp = 0;  // against the first batch row
};

// Markdown tables, padded so that they read in a terminal as well.
void PrintOperationHeader();
void PrintOperationRow(const OperationRow& row);
void PrintBatchHeader();
void PrintBatchRow(const BatchRow& row);

}  // namespace lumetra::bench
