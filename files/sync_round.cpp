#include "files/sync_round.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <utility>

#include "files/hidden_name.h"
#include "files/output_error.h"
#include "files/output_file.h"
#include "files/output_group.h"

namespace lumetra {

struct SyncRound::HandedOver {
  OutputFile* file = nullptr;  // one of the two
  OutputGroup* group = nullptr;
  std::vector<std::string> targets;
  std::exception_ptr failure;
  bool settled = false;
};

namespace {

// Syncs the file system `folder` lies on, once for all folders on it. Returns 0, the errno
// of the failure, or -1 when the folder cannot be opened to find its file system.
int SyncFileSystemOf(const std::string& folder, std::map<dev_t, int>& synced) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return -1;
  }
  struct stat status {};
  int error = 0;
  if (::fstat(fd, &status) != 0) {
    error = errno;
  } else {
    const auto [sync, first] = synced.emplace(status.st_dev, 0);
    if (first && ::syncfs(fd) != 0) {
      sync->second = errno;
    }
    error = sync->second;
  }
  ::close(fd);
  return error;
}

}  // namespace

SyncRound::SyncRound(std::function<void()> handedOver,
                     std::function<int(const std::string&)> syncFolder)
    : handedOver_(std::move(handedOver)), syncFolder_(std::move(syncFolder)) {}

SyncRound::~SyncRound() {
  close();
}

void SyncRound::commit(OutputFile& file) {
  file.finishUnsynced();
  HandedOver output{&file, nullptr, {file.target()}, nullptr, false};
  handOver(output);
}

void SyncRound::commit(OutputGroup& group) {
  group.finish();  // each file of a group is synced as it is finished
  HandedOver output{nullptr, &group, group.targets(), nullptr, false};
  handOver(output);
}

void SyncRound::handOver(HandedOver& output) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (closed_) {
      throw OutputError(ECANCELED, output.targets.front());
    }
    waiting_.push_back(&output);
  }
  handedOver_();
  std::unique_lock<std::mutex> lock(mutex_);
  settled_.wait(lock, [&] { return output.settled; });
  if (output.failure) {
    std::rethrow_exception(output.failure);
  }
}

std::size_t SyncRound::waiting() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return waiting_.size();
}

void SyncRound::settle() {
  std::vector<HandedOver*> outputs;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    outputs.swap(waiting_);
  }
  if (outputs.empty()) {
    return;
  }
  std::map<dev_t, int> synced;
  std::map<std::string, int> folders;  // what each folder's file system's sync gave
  for (HandedOver* output : outputs) {
    if (output->file == nullptr) {
      continue;
    }
    const std::string folder = FolderOf(output->targets.front());
    auto found = folders.find(folder);
    if (found == folders.end()) {
      found = folders.emplace(folder, SyncFileSystemOf(folder, synced)).first;
    }
    const int error = found->second;
    try {
      if (error > 0) {
        throw OutputError(error, output->targets.front());
      }
      if (error < 0) {
        output->file->syncData();
      }
    } catch (...) {
      output->failure = std::current_exception();
    }
  }
  name(outputs);
  syncFolders(outputs);
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    for (HandedOver* output : outputs) {
      output->settled = true;
    }
  }
  settled_.notify_all();
}

void SyncRound::name(std::vector<HandedOver*>& outputs) {
  for (HandedOver* output : outputs) {
    if (output->failure) {
      continue;
    }
    try {
      if (output->file != nullptr) {
        output->file->link();
      } else {
        output->group->link();
      }
    } catch (...) {
      output->failure = std::current_exception();
    }
  }
}

void SyncRound::syncFolders(std::vector<HandedOver*>& outputs) {
  std::map<std::string, int> errors;  // each folder synced once
  for (HandedOver* output : outputs) {
    if (output->failure) {
      continue;
    }
    for (const std::string& target : output->targets) {
      const std::string folder = FolderOf(target);
      auto found = errors.find(folder);
      if (found == errors.end()) {
        found = errors.emplace(folder, syncFolder_(folder)).first;
      }
      if (found->second != 0 && !output->failure) {
        output->failure = std::make_exception_ptr(OutputError(found->second, target));
      }
    }
  }
}

void SyncRound::close() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    for (HandedOver* output : waiting_) {
      output->failure = std::make_exception_ptr(OutputError(ECANCELED, output->targets.front()));
      output->settled = true;
    }
    waiting_.clear();
  }
  settled_.notify_all();
}

}  // namespace lumetra
