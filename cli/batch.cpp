#include "cli/batch.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <thread>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/input_report.h"
#include "cli/output_collisions.h"
#include "cli/side_by_side.h"
#include "operations/frame.h"

namespace lumetra::cli {
namespace {

namespace fs = std::filesystem;

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

// --dry-run: one input after the other, each change printed as soon as it is found.
void RunOneByOne(const PreparedCommand& command, const std::vector<InputTask>& tasks,
                 std::vector<InputReport>& reports, std::ostream& out,
                 const std::function<void(std::size_t)>& finished) {
  for (std::size_t r = 0; r < tasks.size(); ++r) {
    reports[r].change = [&, r](const std::string& line) {
      out << tasks[r].path << ": " << line << '\n';
    };
    command.run(tasks[r], reports[r]);
    finished(r);
  }
}

// The line that refuses an input whose outputs would take another input's names.
void RefuseColliding(InputReport& report, const std::string& other) {
  Refuse(report, "another input of this run writes the same outputs too: " + other);
}

// Several inputs: the colliding ones refused, the others run; reports in input order.
int RunSeveral(const PreparedCommand& command, const std::vector<InputTask>& tasks,
               std::size_t jobs, std::ostream& out, std::ostream& err) {
  // Refused before any input runs, so that no output of this run replaces another.
  const std::vector<std::string> colliding = command.outputKind
                                                 ? CollidingInputs(tasks, command.outputKind)
                                                 : std::vector<std::string>(tasks.size());
  std::vector<InputReport> reports(tasks.size());
  std::vector<std::size_t> runs;  // the inputs that run, by their place among all
  std::vector<InputTask> running;
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    if (colliding[i].empty()) {
      runs.push_back(i);
      running.push_back(tasks[i]);
    } else {
      RefuseColliding(reports[i], colliding[i]);
    }
  }
  int exitCode = kExitOk;
  std::size_t printed = 0;
  const auto printUpTo = [&](std::size_t end) {
    for (; printed < end; ++printed) {
      reports[printed].print(out, err, tasks[printed].path);
      exitCode = std::max(exitCode, reports[printed].exitCode());
    }
  };
  std::vector<InputReport> runReports(runs.size());
  const auto finished = [&](std::size_t r) {
    reports[runs[r]] = std::move(runReports[r]);
    printUpTo(runs[r] + 1);
  };
  if (command.previews) {
    RunOneByOne(command, running, runReports, out, finished);
  } else {
    RunSideBySide(command, std::move(running), runReports, jobs, finished);
  }
  printUpTo(tasks.size());
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
  std::vector<InputTask> tasks;
  for (const std::string& input : inputs) {
    tasks.push_back({input, outputFolder});
  }
  if (several) {
    return RunSeveral(command, tasks, jobs, out, err);
  }
  InputReport report;
  report.change = [&](const std::string& line) { out << line << '\n'; };
  command.run(tasks.front(), report);
  report.print(out, err);
  return report.exitCode();
}

}  // namespace lumetra::cli
