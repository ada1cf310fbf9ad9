#include "files/name_folding.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace lumetra {
namespace {

// File system magic numbers (statfs's f_type) of the kinds that ignore case in every folder.
constexpr long kMsdos = 0x4d44;
constexpr long kExfat = 0x2011BAB0;
constexpr long kSmb = 0x517B;
constexpr long kCifs = 0xFF534D42;
constexpr long kSmb2 = 0xFE534D42;
// Set on a folder whose names are looked up without case (ext4, f2fs).
constexpr int kCaseFoldFlag = 0x40000000;

}  // namespace

bool FoldsCase(const std::string& folder) {
  struct statfs system {};
  if (::statfs(folder.c_str(), &system) != 0) {
    return false;
  }
  const long type = static_cast<long>(system.f_type);
  if (type == kMsdos || type == kExfat || type == kSmb || type == kCifs || type == kSmb2) {
    return true;
  }
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  int flags = 0;
  const bool folds = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & kCaseFoldFlag) != 0;
  ::close(fd);
  return folds;
}

}  // namespace lumetra
