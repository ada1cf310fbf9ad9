#include "files/output_group.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <set>

#include "files/folder_sync.h"
#include "files/hidden_name.h"
#include "files/name_change.h"
#include "files/temporary_files.h"

namespace lumetra {
namespace {

// Finished files kept open without a name; a modest share of the usual 1024 descriptors.
constexpr std::size_t kMaxWaitingDescriptors = 8;

// A target as it was before the group's file took its name.
struct Replaced {
  std::string target;
  bool existed = false;
  std::unique_ptr<TemporaryPath> backup;  // a second link to the old file, when one could be made
};

Replaced KeepOld(const std::string& target) {
  Replaced old{target, false, nullptr};
  struct stat existing {};
  old.existed = ::lstat(target.c_str(), &existing) == 0;
  if (old.existed && !S_ISDIR(existing.st_mode)) {
    auto backup = std::make_unique<TemporaryPath>(HiddenNameBeside(target));
    if (::link(target.c_str(), backup->path().c_str()) == 0) {
      old.backup = std::move(backup);
    } else {
      backup->release();  // no link was made (no hard links here, or a name in use)
    }
  }
  return old;
}

// Undoes the rename of one group file: the old file comes back, or the new name goes.
void PutBack(Replaced& old) noexcept {
  if (old.backup) {
    if (std::rename(old.backup->path().c_str(), old.target.c_str()) == 0) {
      old.backup->release();
    }
  } else if (!old.existed) {
    ::unlink(old.target.c_str());
  }
}

}  // namespace

OutputGroup::~OutputGroup() {
  discard();
}

OutputFile& OutputGroup::begin(const std::string& target) {
  finish();
  files_.push_back(std::make_unique<OutputFile>(target, [this] { parkWaitingFiles(); }));
  return *files_.back();
}

void OutputGroup::finish() {
  if (files_.empty()) {
    return;
  }
  files_.back()->finish();
  const auto waiting = std::count_if(files_.begin(), files_.end(),
                                     [](const auto& file) { return file->holdsDescriptor(); });
  if (static_cast<std::size_t>(waiting) > kMaxWaitingDescriptors) {
    files_.back()->park();
  }
}

void OutputGroup::parkWaitingFiles() {
  for (const auto& file : files_) {
    if (file->holdsDescriptor()) {
      file->park();
    }
  }
}

void OutputGroup::link() {
  finish();
  const NameChange change;
  // Every file gets a hidden name first: what can fail for lack of room, a link or a
  // descriptor fails before any target has changed.
  for (const auto& file : files_) {
    file->park();
  }
  std::vector<Replaced> replaced;
  try {
    for (const auto& file : files_) {
      Replaced old = KeepOld(file->target());
      file->replaceTarget();
      replaced.push_back(std::move(old));
    }
  } catch (...) {
    std::for_each(replaced.rbegin(), replaced.rend(), PutBack);
    throw;
  }
  replaced.clear();  // removes the second links to the replaced files
}

void OutputGroup::commit() {
  link();
  std::set<std::string> folders;
  for (const auto& file : files_) {
    if (folders.insert(FolderOf(file->target())).second) {
      SyncFolder(FolderOf(file->target()), file->target());
    }
  }
}

void OutputGroup::discard() noexcept {
  files_.clear();
}

std::vector<std::string> OutputGroup::targets() const {
  std::vector<std::string> names;
  for (const auto& file : files_) {
    names.push_back(file->target());
  }
  return names;
}

}  // namespace lumetra
