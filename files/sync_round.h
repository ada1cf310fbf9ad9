#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "files/committer.h"
#include "files/folder_sync.h"

namespace lumetra {

// Outputs of a batch that share their syncs. A sync costs about as much for one file as for
// many, and a batch of small files would spend most of its time waiting for them one after
// the other. A worker's commit() hands its output over and waits; the thread that owns the
// round settles it: one sync of each file system for all the outputs handed over, then
// their names, then one sync of each folder they lie in, and only then does each worker
// learn its outcome. Workers never settle; no output gets its name before its data is on
// the disk, and no commit() returns before its folder is synced too.
class SyncRound final : public Committer {
 public:
  // `handedOver` is called, under no lock, each time an output has been handed over, so
  // that the owner can look at waiting(). `syncFolder` syncs a folder and returns 0 or the
  // errno of the failure.
  explicit SyncRound(std::function<void()> handedOver,
                     std::function<int(const std::string&)> syncFolder = SyncFolderNow);
  // As close().
  ~SyncRound() override;
  SyncRound(const SyncRound&) = delete;
  SyncRound& operator=(const SyncRound&) = delete;

  void commit(OutputFile& file) override;
  void commit(OutputGroup& group) override;

  // How many outputs wait for settle().
  std::size_t waiting() const;
  // Syncs and names every output handed over so far and tells their workers how it went.
  // For the owner's thread only.
  void settle();
  // For an owner that gives up: every output still waiting fails, unnamed, and so does
  // every later commit().
  void close();

 private:
  struct HandedOver;
  void handOver(HandedOver& output);
  void name(std::vector<HandedOver*>& outputs);
  void syncFolders(std::vector<HandedOver*>& outputs);

  std::function<void()> handedOver_;
  std::function<int(const std::string&)> syncFolder_;
  mutable std::mutex mutex_;  // guards what follows
  std::condition_variable settled_;
  std::vector<HandedOver*> waiting_;
  bool closed_ = false;
};

}  // namespace lumetra
