#include "subtitle/paths.h"

namespace lumetra {
namespace {

// Position of the dot that starts the file name's extension, or npos.
std::string::size_type ExtensionDot(const std::string& path) {
  const auto slash = path.rfind('/');
  const auto nameStart = slash == std::string::npos ? 0 : slash + 1;
  const auto dot = path.rfind('.');
  if (dot == std::string::npos || dot <= nameStart) {
    return std::string::npos;  // no dot in the name, or only a leading one (".hidden")
  }
  return dot;
}

}  // namespace

std::string BaseName(const std::string& path) {
  const auto dot = ExtensionDot(path);
  return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string FileExtension(const std::string& path) {
  const auto dot = ExtensionDot(path);
  return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

std::string OutputPath(const std::string& inputPath, const std::string& suffix,
                       const std::string& extension, const std::string& folder) {
  std::string path = BaseName(inputPath);
  if (!folder.empty()) {
    const auto slash = path.rfind('/');
    path = folder + (folder.ends_with('/') ? "" : "/") +
           (slash == std::string::npos ? path : path.substr(slash + 1));
  }
  path += suffix;
  if (!extension.empty()) {
    path += "." + extension;
  }
  return path;
}

}  // namespace lumetra
