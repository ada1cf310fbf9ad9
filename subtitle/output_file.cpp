#include "subtitle/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "subtitle/subtitle_error.h"

namespace lumetra {
namespace {
constexpr std::size_t kBufferSize = 1 << 20;
constexpr const char* kCrLf = "\r\n";

std::string TemporaryPattern(const std::string& target) {
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  // Hidden and short enough for any file system, whatever the length of the target's name.
  return folder + "." + name.substr(0, 64) + ".part-XXXXXX";
}
}  // namespace

OutputFile::OutputFile(const std::string& target) : target_(target) {
  temporary_ = TemporaryPattern(target);
  fd_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
  if (fd_ < 0) {
    const int error = errno;
    temporary_.clear();
    throw SubtitleError::FromErrno(error, target, FileAction::Writing);
  }
  // mkostemp makes the file private; give it the mode a newly created file would get.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd_, 0666 & ~mask);
  buffer_.resize(kBufferSize);
}

OutputFile::~OutputFile() {
  discard();
}

void OutputFile::write(std::string_view bytes) {
  while (!bytes.empty()) {
    if (used_ == buffer_.size()) {
      flush();
    }
    const std::size_t room = std::min(bytes.size(), buffer_.size() - used_);
    std::memcpy(buffer_.data() + used_, bytes.data(), room);
    used_ += room;
    bytes.remove_prefix(room);
  }
}

void OutputFile::writeLine(std::string_view text) {
  write(text);
  write(kCrLf);
}

void OutputFile::flush() {
  std::size_t done = 0;
  while (done < used_) {
    const ssize_t wrote = ::write(fd_, buffer_.data() + done, used_ - done);
    if (wrote < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw SubtitleError::FromErrno(errno, target_, FileAction::Writing);
    }
    done += static_cast<std::size_t>(wrote);
  }
  used_ = 0;
}

void OutputFile::commit() {
  flush();
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    throw SubtitleError::FromErrno(errno, target_, FileAction::Writing);
  }
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    throw SubtitleError::FromErrno(errno, target_, FileAction::Writing);
  }
  temporary_.clear();
}

void OutputFile::discard() noexcept {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
}

}  // namespace lumetra
