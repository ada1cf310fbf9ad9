#pragma once

#include <memory>
#include <string>
#include <vector>

#include "files/output_file.h"

namespace lumetra {

// Output files of one run that appear together, such as the segments of a split: each is
// written and finished in turn, and all get their names only at commit(), once the whole
// run has succeeded. Until then, and when the group is dropped without commit() (a
// failure, a refusal, an exception), none of them appears, nothing of them is left, and
// files already under those names stay as they were.
//
// Finished files wait without a name while the group holds a few descriptors for them;
// past that (or when the process runs out of descriptors) they wait under hidden names
// with their descriptors closed, so any number of files can wait.
class OutputGroup {
 public:
  OutputGroup() = default;
  ~OutputGroup();
  OutputGroup(const OutputGroup&) = delete;
  OutputGroup& operator=(const OutputGroup&) = delete;

  // Finishes the file begun before, if any, and begins the next one; write it through the
  // reference, which stays valid as long as the group.
  OutputFile& begin(const std::string& target);
  // Finishes (and syncs) the last file begun; nothing more can be written.
  void finish();
  // Finishes the last file and gives every file its name, in the order they were begun;
  // the signal cleanup never comes between two of them. Should one of them fail, the files
  // already renamed are taken back and what they replaced is put back where the file system
  // allows it (hard links); then it throws. The folders are not synced.
  void link();
  // link(), then a sync of each folder the files lie in.
  void commit();
  // Removes every file of the group; nothing appears.
  void discard() noexcept;
  // The targets, in the order they were begun.
  std::vector<std::string> targets() const;

 private:
  void parkWaitingFiles();

  std::vector<std::unique_ptr<OutputFile>> files_;
};

}  // namespace lumetra
