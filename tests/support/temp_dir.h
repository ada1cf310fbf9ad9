#pragma once

#include <string>
#include <vector>

namespace lumetra::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string file(const std::string& name) const;
  // Writes bytes exactly as given; returns the full path.
  std::string write(const std::string& name, const std::string& bytes) const;
  // Whole content of a file given by name (or full path); "" when missing.
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;
  // Names of the entries in the folder, sorted.
  std::vector<std::string> names() const;

 private:
  std::string path_;
};

// Names of the entries in a folder, hidden ones too, sorted.
std::vector<std::string> NamesIn(const std::string& folder);

// Reads a whole file by full path.
std::string ReadFile(const std::string& path);

}  // namespace lumetra::testing
