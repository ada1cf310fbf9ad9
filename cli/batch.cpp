#include "cli/batch.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/input_report.h"
#include "operations/frame.h"
#include "subtitle/folder_sync.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/sync_round.h"

namespace lumetra::cli {
namespace {

namespace fs = std::filesystem;

// A sync costs about as much for one file as for many: the outputs of this many inputs share
// one, or of fewer when the first of them has waited this long.
constexpr std::size_t kInputsPerSync = 64;
constexpr std::chrono::milliseconds kLongestSettleDelay{50};

bool IsSubtitleName(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".sub" || extension == ".srt" || extension == ".vtt";
}

// Every .sub, .srt and .vtt file below `folder`, in name order; unreadable folders are passed by.
std::vector<std::string> SubtitlesBelow(const std::string& folder) {
  std::vector<std::string> found;
  std::error_code error;
  for (fs::recursive_directory_iterator
           it(folder, fs::directory_options::skip_permission_denied, error),
       end;
       !error && it != end; it.increment(error)) {
    if (it->is_regular_file(error) && IsSubtitleName(it->path())) {
      found.push_back(it->path().string());
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::string OutputFolderOf(const Arguments& arguments) {
  const auto folder = arguments.value("output-dir");
  std::error_code error;
  if (folder && !fs::is_directory(*folder, error)) {
    throw UsageError("--output-dir takes a folder that exists, not '" + *folder + "'");
  }
  return folder.value_or("");
}

// The ones the command runs on, and whether they are more than the one file named.
std::vector<std::string> InputsOf(const Arguments& arguments, bool& several) {
  std::vector<std::string> inputs;
  std::error_code error;
  several = arguments.inputs().size() > 1;
  for (const std::string& input : arguments.inputs()) {
    if (arguments.has("recursive") && fs::is_directory(input, error)) {
      const std::vector<std::string> below = SubtitlesBelow(input);
      inputs.insert(inputs.end(), below.begin(), below.end());
      several = true;
    } else {
      inputs.push_back(input);
    }
  }
  if (inputs.empty()) {
    throw UsageError("no .sub, .srt or .vtt file below the folders given");
  }
  return inputs;
}

// Runs every input and prints its report in input order; returns the worst exit status.
// `shareSyncs`: the outputs wait for shared syncs of their file system before they get
// their names, and an input's report for its outputs' names.
int RunEach(const PreparedCommand& command, const std::vector<std::string>& inputs, bool several,
            const std::string& outputFolder, std::size_t jobs, bool shareSyncs, std::ostream& out,
            std::ostream& err) {
  std::vector<InputReport> reports(inputs.size());
  const auto print = [&](std::size_t i) {
    reports[i].print(out, err, several ? inputs[i] : std::string());
  };
  int exitCode = kExitOk;

  if (command.previews || inputs.size() == 1) {
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      reports[i].change = [&, i](const std::string& line) {
        out << (several ? inputs[i] + ": " : std::string()) << line << '\n';
      };
      command.run({inputs[i], outputFolder}, reports[i]);
      print(i);
      exitCode = std::max(exitCode, reports[i].exitCode());
    }
    return exitCode;
  }

  // Workers take the next input and go on; this thread settles the shared syncs, so that
  // their waits never hold up a worker, and prints the reports in input order as soon as
  // each one and all before it are done, their outputs named.
  std::optional<SyncRound> round;
  if (shareSyncs) {
    round.emplace();
  }
  std::atomic<std::size_t> next{0};
  std::mutex mutex;  // guards what follows
  std::condition_variable finished;
  std::vector<char> done(inputs.size(), 0);
  std::vector<char> ready(inputs.size(), 0);  // done, and the outputs named
  std::size_t doneCount = 0;
  std::size_t readyCount = 0;
  // Once every input is taken, the outputs are settled as they come, so that the last
  // sync has only the last few to wait for.
  const auto manyWaiting = [&] {
    return doneCount - readyCount >= kInputsPerSync || next >= inputs.size();
  };
  const auto work = [&] {
    for (std::size_t i; (i = next++) < inputs.size();) {
      SyncRound::Tag(i);
      command.run({inputs[i], outputFolder}, reports[i]);
      {
        const std::lock_guard<std::mutex> lock(mutex);
        done[i] = 1;
        ++doneCount;
        if (!round) {
          ready[i] = 1;
        } else if (!manyWaiting()) {
          continue;  // the printing thread looks again when its wait is over
        }
      }
      finished.notify_one();
    }
  };
  std::vector<std::jthread> workers;
  for (std::size_t w = 0; w < std::min(jobs, inputs.size()); ++w) {
    workers.emplace_back(work);
  }
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    std::unique_lock<std::mutex> lock(mutex);
    while (ready[i] == 0) {
      if (!round) {
        finished.wait(lock);
        continue;
      }
      // Settles the round once input i is done and either enough inputs wait or the wait
      // has lasted long enough; the workers go on meanwhile.
      finished.wait_for(lock, kLongestSettleDelay, [&] { return done[i] != 0 && manyWaiting(); });
      if (done[i] == 0) {
        continue;
      }
      const std::vector<char> handedOver = done;
      const std::size_t count = doneCount;
      lock.unlock();
      round->settle();
      lock.lock();
      for (std::size_t j = 0; j < inputs.size(); ++j) {
        ready[j] = ready[j] | handedOver[j];
      }
      readyCount = count;
    }
    lock.unlock();
    if (const std::exception_ptr failure = round ? round->failureOf(i) : nullptr) {
      reports[i] = InputReport();
      Fail(reports[i], failure, inputs[i], false);
    }
    print(i);
    exitCode = std::max(exitCode, reports[i].exitCode());
  }
  return exitCode;
}

}  // namespace

int RunInputs(const PreparedCommand& command, const Arguments& arguments, std::ostream& out,
              std::ostream& err) {
  const std::string outputFolder = OutputFolderOf(arguments);
  bool several = false;
  const std::vector<std::string> inputs = InputsOf(arguments, several);
  const long long cores = std::max(1u, std::thread::hardware_concurrency());
  const auto jobs = static_cast<std::size_t>(arguments.integer("jobs", cores, 1, 256));
  // An input is deleted only after its output is on the disk, so a run that deletes its
  // inputs syncs each output by itself.
  const bool shareSyncs = !arguments.has("delete-source");
  if (!several) {
    return RunEach(command, inputs, several, outputFolder, jobs, shareSyncs, out, err);
  }
  FolderSyncBatch folderSyncs;
  int exitCode = RunEach(command, inputs, several, outputFolder, jobs, shareSyncs, out, err);
  try {
    folderSyncs.finish();
  } catch (const SubtitleError&) {
    // Told like an input's failure, on a line of the program's own.
    InputReport report;
    Fail(report, std::current_exception(), {}, false);
    report.print(out, err, "lumetra-cli");
    exitCode = std::max(exitCode, report.exitCode());
  }
  return exitCode;
}

}  // namespace lumetra::cli
