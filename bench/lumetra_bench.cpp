// Throughput and peak memory of lumetra-cli, whole process, on generated subtitles of 10^5 and
// 10^6 entries (and 10^7 with --large), each beside `cp` of the same file; then a folder of
// movie-sized files converted by one process with one worker and with two. Prints the
// figures as tables. Every operation's output is checked once before it is timed; a wrong
// one ends the bench with status 1.
//   lumetra-bench [--large] [--runs N] [--cli PATH]
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_table.h"
#include "bench/child_run.h"
#include "bench/output_checks.h"
#include "bench/subtitle_generator.h"

namespace {

namespace fs = std::filesystem;
using namespace lumetra::bench;

constexpr long kSpanSeconds = 88 * 3600;  // every size ends before SubRip's 100 hours
constexpr long kBatchFiles = 2000;        // half MicroDVD, half SubRip
constexpr long kBatchEntries = 1500;
constexpr long kMovieSeconds = 2 * 3600;

struct Options {
  bool large = false;
  int runs = 5;
  std::string cli = LUMETRA_CLI_PATH;
};

constexpr const char* kUsage =
    "usage: lumetra-bench [--large] [--runs N] [--cli PATH]\n"
    "  --large     add files of 10^7 entries (up to 2.5 GB in the temporary folder)\n"
    "  --runs N    timed runs of each figure after one warm-up run; the median is shown\n"
    "              (default 5)\n"
    "  --cli PATH  the lumetra-cli to measure (default: the one built with this bench)\n";

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--large") {
      options.large = true;
    } else if (arg == "--runs" && i + 1 < argc) {
      options.runs = std::atoi(argv[++i]);
      if (options.runs < 1) {
        return std::nullopt;
      }
    } else if (arg == "--cli" && i + 1 < argc) {
      options.cli = argv[++i];
    } else {
      return std::nullopt;
    }
  }
  return options;
}

struct Case {
  const char* operation;
  const char* input;
  bool subRipInput;
  std::vector<std::string> args;  // options, output folder and input path follow
};

std::vector<Case> Cases() {
  return {
      {"Convert", "MicroDVD -> SubRip", false, {"convert", "--to", "subrip"}},
      {"Convert", "SubRip -> MicroDVD", true, {"convert", "--to", "microdvd"}},
      {"Synchronize", "SubRip", true, {"synchronize", "--shift", "1500"}},
      {"Change frame rate", "MicroDVD", false, {"change-framerate", "--new-fps", "23.976"}},
      {"Correct", "SubRip", true, {"correct"}},
      {"Delete comments", "SubRip", true, {"delete-comments"}},
      // Four parts of the generated span, 25 frames a second.
      {"Split", "MicroDVD", false, {"split", "--segment-frames", "1980000", "--segments", "4"}},
      {"Guess frame rate",
       "MicroDVD",
       false,
       {"guess-framerate", "--length", std::to_string(kSpanSeconds)}},
  };
}

// Emptied after every run, so that outputs never pile up on the disk.
void ClearFolder(const fs::path& folder) {
  fs::remove_all(folder);
  fs::create_directories(folder);
}

// One run of `program`, its outputs cleared away after it. lumetra-cli flushes each output
// to the disk before naming it, so the page cache is flushed too (untimed): no run waits
// for the writeback of what the generators or earlier runs left.
std::function<Measure()> RunAndClear(const std::string& program, std::vector<std::string> args,
                                     const fs::path& outputs) {
  return [=] {
    const Measure measure = RunChild(program, args);
    ClearFolder(outputs);
    sync();
    return measure;
  };
}

// Runs the case once and checks what it wrote, so that no damaged output is ever timed.
bool OutputIsRight(const Options& options, const Case& c, const std::vector<std::string>& args,
                   const CheckFiles& files) {
  const int status = RunChild(options.cli, args).status;
  const std::string failure = status == 0
                                  ? CheckOutputApart(c.args[0], files)
                                  : "lumetra-cli ended with status " + std::to_string(status);
  ClearFolder(files.outputs);
  if (!failure.empty()) {
    std::fprintf(stderr, "lumetra-bench: %s of %s, %ld entries: wrong output: %s\n", c.operation,
                 c.input, files.entries, failure.c_str());
  }
  return failure.empty();
}

// False when an output was wrong.
bool MeasureOperations(const Options& options, const fs::path& work, long entries) {
  const fs::path outputs = work / "out";
  const fs::path sub = work / "movie.sub";
  const fs::path srt = work / "movie.srt";
  WriteMicroDvd(sub, entries, kSpanSeconds);
  WriteSubRip(srt, entries, kSpanSeconds);
  for (const Case& c : Cases()) {
    const fs::path& input = c.subRipInput ? srt : sub;
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--jobs", "1", "--output-dir", outputs, input});
    if (!OutputIsRight(options, c, args, {options.cli, input, outputs, entries, kSpanSeconds})) {
      return false;
    }
    const std::vector<Measure> measures =
        MedianOfRounds(options.runs, {RunAndClear(options.cli, args, outputs),
                                      RunAndClear("cp", {input, outputs / "copy"}, outputs)});
    PrintOperationRow(
        {c.operation, c.input, entries, fs::file_size(input), measures[0], measures[1]});
  }
  fs::remove(sub);
  fs::remove(srt);
  return true;
}

void MeasureBatch(const Options& options, const fs::path& work) {
  const fs::path library = work / "library";
  const fs::path outputs = work / "out";
  fs::create_directories(library);
  for (long i = 0; i < kBatchFiles; ++i) {
    const fs::path name = library / ("episode-" + std::to_string(1000 + i));
    if (i % 2 == 0) {
      WriteMicroDvd(name.string() + ".sub", kBatchEntries, kMovieSeconds);
    } else {
      WriteSubRip(name.string() + ".srt", kBatchEntries, kMovieSeconds);
    }
  }
  // Every run writes into a folder of its own, kept until the end: on a file system without
  // a journal, ext4 passes over the inodes freed in the last half minute one by one when it
  // makes a file, so clearing 2,000 outputs before each run would time that search, growing
  // with every run, instead of Lumetra.
  int run = 0;
  const auto convert = [&](int jobs) {
    return std::function<Measure()>([&, jobs] {
      const fs::path folder = outputs / ("batch-" + std::to_string(++run));
      fs::create_directories(folder);
      const Measure measure =
          RunChild(options.cli, {"convert", "--jobs", std::to_string(jobs), "--output-dir", folder,
                                 "--recursive", library});
      sync();
      return measure;
    });
  };
  const std::vector<Measure> measures = MedianOfRounds(options.runs, {convert(1), convert(2)});
  for (const int jobs : {1, 2}) {
    const Measure& measure = measures[jobs - 1];
    PrintBatchRow({"convert MicroDVD<->SubRip", kBatchFiles, kBatchEntries, jobs, measure,
                   measures[0].wallSeconds / measure.wallSeconds});
  }
  fs::remove_all(library);
  ClearFolder(outputs);
}

std::string LoadAverage() {
  std::ifstream file("/proc/loadavg");
  std::string one, five, fifteen;
  file >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) {
    std::fputs(kUsage, stderr);
    return 64;
  }
  std::string pattern = (fs::temp_directory_path() / "lumetra-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("lumetra-bench: temporary folder");
    return 1;
  }
  const fs::path work = pattern;
  fs::create_directories(work / "out");

  std::printf("lumetra-cli: %s\n%u cores; load average (1, 5, 15 min) at start: %s\n",
              options->cli.c_str(), std::thread::hardware_concurrency(), LoadAverage().c_str());
  std::printf(
      "Whole process; median of %d runs after one warm-up, wall and CPU time each, taken in\n"
      "turns with cp (or with the other job count) so that both meet the same load;\n"
      "peak = the largest resident set of all runs (getrusage); MB = 10^6 bytes.\n\n",
      options->runs);
  PrintOperationHeader();
  std::vector<long> sizes = {100000, 1000000};
  if (options->large) {
    sizes.push_back(10000000);
  }
  for (const long entries : sizes) {
    if (!MeasureOperations(*options, work, entries)) {
      fs::remove_all(work);
      return 1;
    }
  }
  std::printf("\n");
  PrintBatchHeader();
  MeasureBatch(*options, work);
  std::printf("\nload average at end: %s\n", LoadAverage().c_str());
  fs::remove_all(work);
  return 0;
}
