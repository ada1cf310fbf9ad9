#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/byte_sink.h"

namespace lumetra {

class TemporaryPath;

// A new text file that appears under its target's name only at commit(); a file already
// there stays untouched until then. Without commit() (a failure, an exception) nothing is
// left: where the file system allows it the file is created without a name (O_TMPFILE) in
// the target's folder, so even SIGKILL leaves no trace; elsewhere it is a hidden file beside
// the target, removed by discard() or by the signals of InstallTemporaryFileCleanup().
//
// A new target gets the mode 0666 less the umask; a replaced one keeps its mode. commit()
// syncs the file before it gets its name and the folder after. Every failure throws
// OutputError naming the target ("Disk full (writing /films/movie - SubRip.srt)").
// Several files that must appear together are written through an OutputGroup.
class OutputFile final : public ByteSink {
 public:
  explicit OutputFile(const std::string& target);
  ~OutputFile() override;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // The text and a CR LF line break.
  void writeLine(std::string_view text);
  void write(std::string_view bytes) override;
  // Writes out and syncs the last bytes and frees the buffer; nothing more can be written.
  // The file still has no name of its own (commit() gives it). Called by commit() when
  // not called before.
  void finish();
  // Gives the finished file its target's name, replacing a file of that name. While a
  // SyncRound is open, hands the written file over to it instead and returns at once: the
  // round syncs it together with others and then names it.
  void commit();
  // Removes the file; the target is left as it was.
  void discard() noexcept;
  const std::string& target() const { return target_; }

 private:
  friend class OutputGroup;
  friend class SyncRound;
  // Takes the file over; `other` holds nothing after it.
  OutputFile(OutputFile&& other) noexcept;
  // `freeDescriptors` is asked to close descriptors when the process has none left.
  OutputFile(const std::string& target, const std::function<void()>& freeDescriptors);
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
  // A finished file without a name that keeps a descriptor open for it.
  bool holdsDescriptor() const;
  // Links a file without a name under a hidden temporary name beside the target.
  void nameTemporarily();
  // Gives a finished file a hidden name and closes its descriptor.
  void park();
  // Renames the temporary name over the target.
  void replaceTarget();
  // Gives the finished file, synced, the target's name and syncs the folder.
  void name();

  std::string target_;
  std::unique_ptr<TemporaryPath> temporary_;  // null while the file has no name
  int fd_ = -1;
  bool finished_ = false;
  std::unique_ptr<char[]> buffer_;  // filled up to roomStart_, which ByteSink keeps
  off_t flushed_ = 0;               // bytes handed to the file so far
};

}  // namespace lumetra
