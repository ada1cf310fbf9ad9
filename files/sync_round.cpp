#include "files/sync_round.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "files/output_error.h"
#include "files/output_file.h"

namespace lumetra {
namespace {

// Far below the usual limit of 1,024 descriptors, and enough to share a sync widely.
constexpr std::size_t kMostWaiting = 256;

std::atomic<SyncRound*> gCurrent{nullptr};
thread_local std::size_t tTicket = 0;

}  // namespace

SyncRound::SyncRound() {
  gCurrent = this;
}

SyncRound::~SyncRound() {
  gCurrent = nullptr;
  const std::lock_guard<std::mutex> lock(mutex_);
  waiting_.clear();
}

SyncRound* SyncRound::Current() {
  return gCurrent;
}

void SyncRound::Tag(std::size_t ticket) {
  tTicket = ticket;
}

void SyncRound::adopt(std::unique_ptr<OutputFile> file) {
  std::size_t waiting = 0;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    waiting_.push_back({std::move(file), tTicket});
    waiting = waiting_.size();
  }
  if (waiting >= kMostWaiting) {
    settle();
  }
}

void SyncRound::settle() {
  const std::lock_guard<std::mutex> one(settling_);
  std::vector<Waiting> files;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    files.swap(waiting_);
  }
  // One sync for each file system the files lie on; its error, or 0.
  std::map<dev_t, int> syncs;
  for (Waiting& waiting : files) {
    OutputFile& file = *waiting.file;
    try {
      struct stat status {};
      if (::fstat(file.fd_, &status) != 0) {
        throw OutputError(errno, file.target());
      }
      const auto [sync, first] = syncs.emplace(status.st_dev, 0);
      if (first && ::syncfs(file.fd_) != 0) {
        sync->second = errno;
      }
      if (sync->second != 0) {
        throw OutputError(sync->second, file.target());
      }
      file.name();
    } catch (...) {
      const std::lock_guard<std::mutex> lock(mutex_);
      failures_.emplace(waiting.ticket, std::current_exception());
    }
    waiting.file.reset();  // a file that failed is removed here
  }
}

std::exception_ptr SyncRound::failureOf(std::size_t ticket) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto found = failures_.find(ticket);
  return found == failures_.end() ? nullptr : found->second;
}

}  // namespace lumetra
