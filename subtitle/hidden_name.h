#pragma once

#include <string>

namespace lumetra {

// The folder a file lies in: everything before its last "/", "/" for a file at the root,
// "." for a bare name.
std::string FolderOf(const std::string& path);

// A fresh hidden name beside `target` for its temporary file, such as
// "/films/.movie.srt.part-k3Zq81Xa": the target's name (at most 64 bytes of it, so the name
// fits any file system) and eight random letters and digits.
std::string HiddenNameBeside(const std::string& target);

// Makes the renames done in `folder` survive a power cut, where the folder can be opened.
// Throws SubtitleError for `target`, the file whose commit this completes.
void SyncFolder(const std::string& folder, const std::string& target);

}  // namespace lumetra
