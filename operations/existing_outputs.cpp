#include "operations/existing_outputs.h"

#include <sys/stat.h>

#include "files/committer.h"
#include "files/output_file.h"
#include "files/output_group.h"
#include "operations/frame.h"

namespace lumetra {
namespace {

// Anything under the name counts, a folder or a dangling link too: the rename would meet it.
bool NameIsTaken(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

template <class Outputs>
bool Name(Outputs& outputs, const std::vector<std::string>& targets, bool keepExisting,
          Committer& committer, FrameView& view) {
  if (!MayTakeNames(targets, keepExisting, view)) {
    return false;
  }
  committer.commit(outputs);
  view.outputsWritten(targets);
  return true;
}

}  // namespace

bool MayTakeNames(const std::vector<std::string>& targets, bool keepExisting, FrameView& view) {
  std::vector<std::string> existing;
  for (const std::string& target : targets) {
    if (NameIsTaken(target)) {
      existing.push_back(target);
    }
  }
  if (existing.empty()) {
    return true;
  }
  if (keepExisting) {
    Refuse(view, "The file " + existing.front() + " already exists; nothing was written.");
    return false;
  }
  return view.replaceExisting(existing);
}

bool NameOutputs(OutputFile& file, bool keepExisting, Committer& committer, FrameView& view) {
  return Name(file, {file.target()}, keepExisting, committer, view);
}

bool NameOutputs(OutputGroup& group, bool keepExisting, Committer& committer, FrameView& view) {
  return Name(group, group.targets(), keepExisting, committer, view);
}

}  // namespace lumetra
