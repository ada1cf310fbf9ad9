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

}  // namespace lumetra
