#include "operations/existing_outputs.h"

#include <sys/stat.h>

#include "operations/frame.h"

namespace lumetra {
namespace {

// Anything under the name counts, a folder or a dangling link too: the rename would meet it.
bool NameIsTaken(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
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

}  // namespace lumetra
