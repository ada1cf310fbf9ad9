#include "cli/output_collisions.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

#include "files/name_folding.h"
#include "subtitle/paths.h"

namespace lumetra::cli {
namespace {

namespace fs = std::filesystem;

std::string Folded(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The part of the outputs' names that follows from the input alone; one key for all
// inputs whose outputs may share names.
class StemKeys {
 public:
  // Where the task's outputs go, spelled the same way for every path to that folder.
  std::string outputFolderOf(const InputTask& task) {
    const std::string folder =
        task.outputFolder.empty() ? fs::path(task.path).parent_path().string() : task.outputFolder;
    auto found = canonical_.find(folder);
    if (found == canonical_.end()) {
      std::error_code error;
      const fs::path canonical = fs::weakly_canonical(folder.empty() ? "." : folder, error);
      found = canonical_.emplace(folder, error ? folder : canonical.string()).first;
    }
    return found->second;
  }
  std::string keyOf(const InputTask& task) {
    const std::string folder = outputFolderOf(task);
    const std::string stem = fs::path(BaseName(task.path)).filename().string();
    return folder + '/' + (foldsCase(folder) ? Folded(stem) : stem);
  }
  bool foldsCase(const std::string& folder) {
    const auto found = folds_.find(folder);
    return found != folds_.end() ? found->second
                                 : folds_.emplace(folder, FoldsCase(folder)).first->second;
  }

 private:
  std::map<std::string, std::string> canonical_;
  std::map<std::string, bool> folds_;
};

}  // namespace

std::vector<std::string> CollidingInputs(
    const std::vector<InputTask>& tasks,
    const std::function<std::string(const InputTask&)>& outputKind) {
  std::vector<std::string> others(tasks.size());
  StemKeys keys;
  std::map<std::string, std::vector<std::size_t>> byStem;
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    byStem[keys.keyOf(tasks[i])].push_back(i);
  }
  for (const auto& [stem, sharing] : byStem) {
    if (sharing.size() < 2) {
      continue;
    }
    // Rare: only these inputs are read before their runs, to learn the rest of the names.
    const bool folds = keys.foldsCase(keys.outputFolderOf(tasks[sharing.front()]));
    std::map<std::string, std::vector<std::size_t>> byName;
    for (const std::size_t i : sharing) {
      const std::string kind = outputKind(tasks[i]);
      byName[folds ? Folded(kind) : kind].push_back(i);
    }
    for (const auto& [name, same] : byName) {
      for (std::size_t k = 0; same.size() > 1 && k < same.size(); ++k) {
        others[same[k]] = tasks[same[k == 0 ? 1 : 0]].path;
      }
    }
  }
  return others;
}

}  // namespace lumetra::cli
