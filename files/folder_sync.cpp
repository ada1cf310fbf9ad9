#include "files/folder_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <optional>

#include "files/output_error.h"

namespace lumetra {
namespace {

// The folders noted while a batch lives, each with the first output committed into it.
std::mutex gMutex;
std::optional<std::map<std::string, std::string>> gNoted;

// Returns 0, or the errno of the failure.
int SyncNow(const std::string& folder) {
  // A folder one may write but not read cannot be opened, and some file systems cannot
  // sync a folder (EINVAL): the renames stand there as the file system keeps them.
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return 0;
  }
  const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  ::close(fd);
  return error;
}

}  // namespace

void SyncFolder(const std::string& folder, const std::string& target) {
  {
    const std::lock_guard<std::mutex> lock(gMutex);
    if (gNoted) {
      gNoted->emplace(folder, target);
      return;
    }
  }
  if (const int error = SyncNow(folder)) {
    throw OutputError(error, target);
  }
}

FolderSyncBatch::FolderSyncBatch() {
  const std::lock_guard<std::mutex> lock(gMutex);
  gNoted.emplace();
}

FolderSyncBatch::~FolderSyncBatch() {
  try {
    finish();
  } catch (const OutputError&) {
  }
}

void FolderSyncBatch::finish() {
  std::map<std::string, std::string> noted;
  {
    const std::lock_guard<std::mutex> lock(gMutex);
    if (!gNoted) {
      return;
    }
    noted = std::move(*gNoted);
    gNoted.reset();
  }
  std::optional<OutputError> failure;
  for (const auto& [folder, target] : noted) {
    const int error = SyncNow(folder);
    if (error != 0 && !failure) {
      failure = OutputError(error, target);
    }
  }
  if (failure) {
    throw *failure;
  }
}

}  // namespace lumetra
