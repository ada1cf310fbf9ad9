#pragma once

namespace lumetra {

class OutputFile;
class OutputGroup;

// Gives written outputs their names, in the way the one who runs an operation chose. The
// operation learns from commit() whether its outputs are named and on the disk, before it
// tells anyone so or deletes anything.
class Committer {
 public:
  virtual ~Committer() = default;
  // Returns once the file (every file of the group) is under its name, data and folder
  // synced. Otherwise throws OutputError: nothing of a file that got no name is left, and
  // a target it would have replaced is as it was.
  virtual void commit(OutputFile& file) = 0;
  virtual void commit(OutputGroup& group) = 0;
};

// Commits each output by itself, at once: a sync of its data, its name, a sync of its folder.
class CommitAtOnce final : public Committer {
 public:
  void commit(OutputFile& file) override;
  void commit(OutputGroup& group) override;
};

// The committer of a run whose caller chose none.
Committer& CommitEachAtOnce();

}  // namespace lumetra
