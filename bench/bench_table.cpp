#include "bench/bench_table.h"

#include <cstdio>

namespace lumetra::bench {
namespace {

// "10^6" for a power of ten, the plain number otherwise.
std::string EntriesText(long entries) {
  int exponent = 0;
  long rest = entries;
  while (rest >= 10 && rest % 10 == 0) {
    rest /= 10;
    ++exponent;
  }
  return rest == 1 && exponent > 1 ? "10^" + std::to_string(exponent) : std::to_string(entries);
}

double MiB(long kib) {
  return static_cast<double>(kib) / 1024;
}

// A failed run's figures mean nothing; say so on its row.
std::string StatusNote(const Measure& measure) {
  return measure.status == 0 ? "" : " (exit status " + std::to_string(measure.status) + ")";
}

}  // namespace

void PrintOperationHeader() {
  std::printf("| %-17s | %-18s | %7s | %7s | %7s | %6s | %7s | %8s | %8s | %6s |\n", "operation",
              "input", "entries", "MB", "time s", "MB/s", "CPU s", "CPU MB/s", "peak MiB", "cp s");
  std::printf("|%s|%s|%s|%s|%s|%s|%s|%s|%s|%s|\n", "-------------------", "--------------------",
              "--------:", "--------:", "--------:", "-------:", "--------:", "---------:",
              "---------:", "-------:");
}

void PrintOperationRow(const OperationRow& row) {
  const double megabytes = static_cast<double>(row.inputBytes) / 1e6;
  std::printf("| %-17s | %-18s | %7s | %7.1f | %7.3f | %6.0f | %7.3f | %8.0f | %8.1f | %6.3f |%s\n",
              row.operation.c_str(), row.input.c_str(), EntriesText(row.entries).c_str(), megabytes,
              row.run.wallSeconds, megabytes / row.run.wallSeconds, row.run.cpuSeconds,
              megabytes / row.run.cpuSeconds, MiB(row.run.peakKiB), row.copy.wallSeconds,
              StatusNote(row.run).c_str());
}

void PrintBatchHeader() {
  std::printf("| %-25s | %5s | %12s | %4s | %7s | %7s | %7s | %8s |\n", "batch", "files",
              "entries each", "jobs", "time s", "CPU s", "files/s", "speed-up");
  std::printf("|%s|%s|%s|%s|%s|%s|%s|%s|\n", "---------------------------", "------:",
              "-------------:", "-----:", "--------:", "--------:", "--------:", "---------:");
}

void PrintBatchRow(const BatchRow& row) {
  std::printf("| %-25s | %5ld | %12ld | %4d | %7.3f | %7.3f | %7.0f | %7.2fx |%s\n",
              row.what.c_str(), row.files, row.entriesEach, row.jobs, row.run.wallSeconds,
              row.run.cpuSeconds, static_cast<double>(row.files) / row.run.wallSeconds, row.speedUp,
              StatusNote(row.run).c_str());
}

}  // namespace lumetra::bench
