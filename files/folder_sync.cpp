#include "files/folder_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "files/output_error.h"

namespace lumetra {

int SyncFolderNow(const std::string& folder) {
  // A folder one may write but not read cannot be opened, and some file systems cannot
  // sync a folder (EINVAL): the names stand there as the file system keeps them.
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return 0;
  }
  const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  ::close(fd);
  return error;
}

void SyncFolder(const std::string& folder, const std::string& target) {
  if (const int error = SyncFolderNow(folder)) {
    throw OutputError(error, target);
  }
}

}  // namespace lumetra
