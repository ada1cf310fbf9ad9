#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "files/byte_sink.h"

namespace lumetra {

class TemporaryPath;

// A new text file that appears under its target's name only at commit() or link(); a file
// already there stays untouched until then. Without them (a failure, an exception) nothing
// is left: where the file system allows it the file is created without a name (O_TMPFILE) in
// the target's folder, so even SIGKILL leaves no trace; elsewhere it is a hidden file beside
// the target, removed by discard() or by the signals of InstallTemporaryFileCleanup().
//
// A new target gets the mode 0666 less the umask; a replaced one keeps its mode. commit()
// syncs the file before it gets its name and the folder after; a Committer chooses between
// that and a sync shared with other outputs. Every failure throws OutputError with the
// errno and the target. Several files that must appear together are written through an
// OutputGroup.
class OutputFile final : public ByteSink {
 public:
  explicit OutputFile(const std::string& target);
  // `freeDescriptors` is asked to close descriptors when the process has none left.
  OutputFile(const std::string& target, const std::function<void()>& freeDescriptors);
  ~OutputFile() override;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // The text and a CR LF line break.
  void writeLine(std::string_view text);
  void write(std::string_view bytes) override;
  // Writes out and syncs the last bytes and frees the buffer; nothing more can be written.
  // The file still has no name of its own (link() gives it).
  void finish();
  // As finish(), but leaves the sync to one of the whole file system, shared with other
  // files, that must come before link().
  void finishUnsynced();
  // Syncs the data of a file finished unsynced by itself, for one whose file system cannot
  // be synced as a whole.
  void syncData();
  // Gives the finished file, its data on the disk, the target's name, replacing a file of
  // that name. The folder is not synced: the caller does that, once for many files.
  void link();
  // finish(), link() and a sync of the target's folder: the whole commit of one file.
  void commit();
  // Removes the file; the target is left as it was.
  void discard() noexcept;
  const std::string& target() const { return target_; }

  // For groups that keep many finished files waiting. A finished file that keeps a
  // descriptor open for itself, having no name:
  bool holdsDescriptor() const;
  // Gives a finished file a hidden name and closes its descriptor.
  void park();
  // Renames a parked file over the target.
  void replaceTarget();

 private:
  // Returns 0, or the errno of the failure.
  int create();
  // Whether a flush starts the disk writes of what it hands over, or leaves them to the
  // sync that follows at once.
  enum class Writeback { Start, LeaveToSync };
  void flush(Writeback writeback = Writeback::Start);
  // Frees the buffer, all flushed: nothing more can be written.
  void seal();
  char* makeRoom(std::size_t size) override;
  // Bytes in the buffer not yet handed to the file.
  std::size_t used() const { return static_cast<std::size_t>(roomStart_ - buffer_.get()); }
  void closeDescriptor();
  // Links a file without a name under a hidden temporary name beside the target.
  void nameTemporarily();

  std::string target_;
  std::unique_ptr<TemporaryPath> temporary_;  // null while the file has no name
  int fd_ = -1;
  bool finished_ = false;
  std::unique_ptr<char[]> buffer_;  // filled up to roomStart_, which ByteSink keeps
  off_t flushed_ = 0;               // bytes handed to the file so far
};

}  // namespace lumetra
