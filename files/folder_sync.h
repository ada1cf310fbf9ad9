#pragma once

#include <string>

namespace lumetra {

// Makes the renames done in `folder` survive a power cut, where the folder can be opened.
// Throws OutputError for `target`, the file whose commit this completes. While a
// FolderSyncBatch lives, the folder is only noted, to be synced once when the batch ends.
void SyncFolder(const std::string& folder, const std::string& target);

// For a run that commits many outputs into few folders. Each output's data is synced before
// it gets its name, so a power cut never leaves a part of a file under a target's name; only
// the names wait for the folder's sync, which costs as much as the file's own. One sync per
// folder at the end instead of one per output halves the waits of a batch. Any thread may
// commit meanwhile.
class FolderSyncBatch {
 public:
  FolderSyncBatch();
  // Syncs what finish() has not, failures ignored.
  ~FolderSyncBatch();
  FolderSyncBatch(const FolderSyncBatch&) = delete;
  FolderSyncBatch& operator=(const FolderSyncBatch&) = delete;

  // Syncs every folder noted, each once. Throws OutputError, for the first output committed
  // into it, when a folder could not be synced; the other folders are synced all the same.
  void finish();
};

}  // namespace lumetra
