#pragma once

#include <string>

namespace lumetra {

// The input path without its file name's own extension (the last '.' of the file name and
// what follows). A file name without an extension, or one whose only '.' leads it, is kept
// whole; the folder is never touched.
std::string BaseName(const std::string& path);
// The extension of the file name without the dot, "" when there is none.
std::string FileExtension(const std::string& path);
// base + suffix + "." + extension, or base + suffix when the extension is empty; in `folder`
// instead of beside the input when one is given.
std::string OutputPath(const std::string& inputPath, const std::string& suffix,
                       const std::string& extension, const std::string& folder = {});

}  // namespace lumetra
