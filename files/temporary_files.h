#pragma once

#include <string>

namespace lumetra {

struct TemporarySlot;

// Called once at the start of a program that writes outputs, before it starts any thread.
// From then on SIGINT, SIGTERM and SIGHUP are taken by a thread of their own, which stops
// every other thread from naming files (see NameChange), removes every hidden temporary
// file still registered (below) and then ends the process as the signal would have; a
// signal that was ignored at the start (nohup) stays ignored. The signals stay blocked in
// every other thread, and in programs the process starts. SIGXFSZ is ignored, so a write past a
// file-size limit fails with EFBIG
// ("Disk full") and the run cleans up after itself instead of being killed.
void InstallTemporaryFileCleanup();

// The path of a hidden temporary file, registered for removal by the signals above from
// construction on; make the file within a NameChange that began before. The destructor removes the
// file, unless release() has been called (after the file was renamed, or when it turned out not to
// be ours).
class TemporaryPath {
 public:
  explicit TemporaryPath(const std::string& path);
  ~TemporaryPath();
  TemporaryPath(const TemporaryPath&) = delete;
  TemporaryPath& operator=(const TemporaryPath&) = delete;

  const std::string& path() const { return path_; }
  // Forgets the file without removing it.
  void release() noexcept;

 private:
  std::string path_;
  TemporarySlot* slot_;
};

}  // namespace lumetra
