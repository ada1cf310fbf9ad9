#pragma once

#include <string>

namespace lumetra {

// Makes the names given in `folder` survive a power cut, where the folder can be opened.
// Returns 0, or the errno of the failure.
int SyncFolderNow(const std::string& folder);
// The same; throws OutputError for `target`, the file whose commit this completes.
void SyncFolder(const std::string& folder, const std::string& target);

}  // namespace lumetra
