#include "subtitle/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "subtitle/subtitle_error.h"

namespace lumetra {

FileSource::FileSource(const std::string& path) : path_(path) {
  // Non-blocking, so that a pipe without a writer cannot hold the open up; only a regular
  // file is kept, and it is read blocking as usual.
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd_ < 0) {
    // A socket cannot be opened at all; it is refused like any other thing that is no file.
    const int openError = errno;
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && S_ISSOCK(status.st_mode)) {
      throw SubtitleError::NotARegularFile(path, false);
    }
    throw SubtitleError::FromErrno(openError, path, FileAction::Reading);
  }
  struct stat status {};
  if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd_);
    throw SubtitleError::NotARegularFile(path, S_ISDIR(status.st_mode));
  }
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
}

FileSource::~FileSource() {
  ::close(fd_);
}

std::size_t FileSource::read(char* into, std::size_t size) {
  for (;;) {
    const ssize_t got = ::read(fd_, into, size);
    if (got >= 0) {
      return static_cast<std::size_t>(got);
    }
    if (errno != EINTR) {
      throw SubtitleError::FromErrno(errno, path_, FileAction::Reading);
    }
  }
}

void FileSource::rewind() {
  if (::lseek(fd_, 0, SEEK_SET) != 0) {
    throw SubtitleError::FromErrno(errno, path_, FileAction::Reading);
  }
}

std::size_t MemorySource::read(char* into, std::size_t size) {
  const std::size_t count = std::min(size, bytes_.size() - position_);
  std::memcpy(into, bytes_.data() + position_, count);
  position_ += count;
  return count;
}

}  // namespace lumetra
