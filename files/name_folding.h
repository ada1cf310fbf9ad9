#pragma once

#include <string>

namespace lumetra {

// Whether names in `folder` that differ only by case name the same file there: FAT, exFAT
// and SMB shares, and folders of ext4 and f2fs made case-insensitive.
bool FoldsCase(const std::string& folder);

}  // namespace lumetra
