#pragma once

#include <cstddef>
#include <exception>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace lumetra {

class OutputFile;

// Outputs of a batch that wait together for one sync of their file system before they get
// their names. A sync of each output waits for the disk once per file, and a batch of small
// files spends most of its time in those waits, one after the other. While a round is open
// (one at a time in a process), OutputFile::commit() hands the written file over and returns
// at once; settle() syncs the file systems of all files handed over, once each, and then
// names the files. No file gets its name before its data is on the disk.
class SyncRound {
 public:
  SyncRound();
  // Removes every file not yet settled: none of them gets a name, none is left behind.
  ~SyncRound();
  SyncRound(const SyncRound&) = delete;
  SyncRound& operator=(const SyncRound&) = delete;

  // The round open now, or nullptr.
  static SyncRound* Current();
  // Marks what the calling thread commits from now on as the outputs of input `ticket`.
  static void Tag(std::size_t ticket);

  // Takes a written file over; settles at once when many are waiting, so that their
  // descriptors never run out.
  void adopt(std::unique_ptr<OutputFile> file);
  // Syncs and names every file handed over so far; one settle runs at a time.
  void settle();
  // The failure of an output of `ticket` in a settle, if there was one.
  std::exception_ptr failureOf(std::size_t ticket);

 private:
  struct Waiting {
    std::unique_ptr<OutputFile> file;
    std::size_t ticket;
  };

  std::mutex settling_;
  std::mutex mutex_;  // guards waiting_ and failures_
  std::vector<Waiting> waiting_;
  std::map<std::size_t, std::exception_ptr> failures_;
};

}  // namespace lumetra
