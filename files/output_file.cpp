#include "files/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "files/folder_sync.h"
#include "files/hidden_name.h"
#include "files/name_change.h"
#include "files/output_error.h"
#include "files/temporary_files.h"

namespace lumetra {
namespace {

constexpr std::size_t kBufferSize = 1 << 20;
constexpr const char* kCrLf = "\r\n";
// Random names practically never collide; a few more tries cover the rare one that does.
constexpr int kNameAttempts = 16;

// A new file in a file system that cannot make files without a name.
bool NoUnnamedFiles(int error) {
  // EISDIR: a kernel that does not know O_TMPFILE opens the folder itself for writing.
  return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// Returns 0, or -1 with errno set.
int LinkDescriptor(int fd, const std::string& name) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
    return 0;
  }
  const int error = errno;
  if (error == ENOENT && ::access("/proc/self/fd", F_OK) != 0) {
    // No /proc: link the descriptor itself (allowed to privileged processes only).
    return ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
  }
  errno = error;
  return -1;
}

// Makes a file under a fresh hidden name beside `target` with `make` (an open or a link,
// true when done) and keeps that name in `temporary`. Returns 0, or the errno of the failure.
template <typename Make>
int ClaimHiddenName(const std::string& target, std::unique_ptr<TemporaryPath>& temporary,
                    Make make) {
  const NameChange change;
  for (int attempt = 1;; ++attempt) {
    auto candidate = std::make_unique<TemporaryPath>(HiddenNameBeside(target));
    if (make(candidate->path())) {
      temporary = std::move(candidate);
      return 0;
    }
    const int error = errno;
    candidate->release();  // someone else's file, or none
    if (error != EEXIST || attempt == kNameAttempts) {
      return error;
    }
  }
}

// A replaced file keeps its permissions, so a private 0600 file stays private. Best effort:
// some file systems (FAT) refuse modes they cannot store, and the output is still wanted.
void TakeModeOfReplaced(int fd, const std::string& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    (void)::fchmod(fd, existing.st_mode & 0777);
  }
}

}  // namespace

OutputFile::OutputFile(const std::string& target) : OutputFile(target, nullptr) {}

OutputFile::OutputFile(const std::string& target, const std::function<void()>& freeDescriptors)
    : target_(target) {
  int error = create();
  if ((error == EMFILE || error == ENFILE) && freeDescriptors) {
    freeDescriptors();
    error = create();
  }
  if (error != 0) {
    throw OutputError(error, target_);
  }
  TakeModeOfReplaced(fd_, target_);
  buffer_.reset(new char[kBufferSize]);  // not cleared: every byte is written before it is read
  roomStart_ = buffer_.get();
  roomEnd_ = roomStart_ + kBufferSize;
}

OutputFile::~OutputFile() {
  discard();
}

int OutputFile::create() {
  // Mode 0666: the kernel takes the umask off, as for any new file.
  fd_ = ::open(FolderOf(target_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd_ >= 0) {
    return 0;
  }
  if (!NoUnnamedFiles(errno)) {
    return errno;
  }
  return ClaimHiddenName(target_, temporary_, [this](const std::string& name) {
    fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return fd_ >= 0;
  });
}

void OutputFile::write(std::string_view bytes) {
  assert(!finished_);
  while (!bytes.empty()) {
    if (roomStart_ == roomEnd_) {
      flush();
    }
    const std::size_t part =
        std::min(bytes.size(), static_cast<std::size_t>(roomEnd_ - roomStart_));
    std::memcpy(roomStart_, bytes.data(), part);
    roomStart_ += part;
    bytes.remove_prefix(part);
  }
}

char* OutputFile::makeRoom(std::size_t size) {
  assert(!finished_);
  if (size > kBufferSize) {
    return nullptr;  // the writer makes it elsewhere and write() takes it in parts
  }
  flush();
  return roomStart_;
}

void OutputFile::writeLine(std::string_view text) {
  write(text);
  write(kCrLf);
}

void OutputFile::flush(Writeback writeback) {
  const std::size_t used = this->used();
  std::size_t done = 0;
  while (done < used) {
    const ssize_t wrote = ::write(fd_, buffer_.get() + done, used - done);
    if (wrote < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw OutputError(errno, target_);
    }
    done += static_cast<std::size_t>(wrote);
  }
  // Start writing these bytes to the disk now, while the rest is made, so the sync at the
  // end has little left to wait for. Only a hint: where it is not supported nothing changes.
  if (writeback == Writeback::Start) {
    ::sync_file_range(fd_, flushed_, static_cast<off_t>(used), SYNC_FILE_RANGE_WRITE);
  }
  flushed_ += static_cast<off_t>(used);
  roomStart_ = buffer_.get();
}

void OutputFile::seal() {
  finished_ = true;
  buffer_.reset();
  roomStart_ = nullptr;
  roomEnd_ = nullptr;
}

void OutputFile::finish() {
  if (finished_) {
    return;
  }
  flush(Writeback::LeaveToSync);
  if (::fsync(fd_) != 0) {
    throw OutputError(errno, target_);
  }
  seal();
  if (temporary_) {
    closeDescriptor();  // a file with a name is found again by it
  }
}

void OutputFile::closeDescriptor() {
  if (fd_ < 0) {
    return;
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && errno != EINTR) {
    throw OutputError(errno, target_);
  }
}

bool OutputFile::holdsDescriptor() const {
  return finished_ && fd_ >= 0;
}

void OutputFile::nameTemporarily() {
  if (temporary_) {
    return;
  }
  const int error = ClaimHiddenName(target_, temporary_, [this](const std::string& name) {
    return LinkDescriptor(fd_, name) == 0;
  });
  if (error != 0) {
    throw OutputError(error, target_);
  }
}

void OutputFile::park() {
  nameTemporarily();
  closeDescriptor();
}

void OutputFile::replaceTarget() {
  const NameChange change;
  if (std::rename(temporary_->path().c_str(), target_.c_str()) != 0) {
    throw OutputError(errno, target_);
  }
  temporary_->release();
  temporary_.reset();
}

void OutputFile::finishUnsynced() {
  if (finished_) {
    return;
  }
  // The shared sync waits for these bytes: their writes start now.
  flush(Writeback::Start);
  seal();
  if (temporary_) {
    closeDescriptor();
  }
}

void OutputFile::syncData() {
  assert(finished_);
  const int fd = fd_ >= 0 ? fd_ : ::open(temporary_->path().c_str(), O_RDONLY | O_CLOEXEC);
  const int error = fd >= 0 && ::fsync(fd) == 0 ? 0 : errno;
  if (fd != fd_ && fd >= 0) {
    ::close(fd);
  }
  if (error != 0) {
    throw OutputError(error, target_);
  }
}

void OutputFile::commit() {
  finish();
  link();
  SyncFolder(FolderOf(target_), target_);
}

void OutputFile::link() {
  assert(finished_);
  const NameChange change;
  // Where no file has the target's name yet, a file without a name takes it at once: one
  // link instead of a link under a hidden name and a rename.
  if (!temporary_ && holdsDescriptor() && LinkDescriptor(fd_, target_) == 0) {
    // The data is on the disk already: a failing close loses nothing, and the output stays.
    ::close(fd_);
    fd_ = -1;
  } else {
    park();
    replaceTarget();
  }
}

void OutputFile::discard() noexcept {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  temporary_.reset();  // removes a file that has a temporary name
}

}  // namespace lumetra
