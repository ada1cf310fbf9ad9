#include "support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lumetra::testing {

TempDir::TempDir() {
  const auto base = std::filesystem::temp_directory_path() / "lumetra-test-XXXXXX";
  std::string pattern = base.string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder");
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::file(const std::string& name) const {
  return path_ + "/" + name;
}

std::string TempDir::write(const std::string& name, const std::string& bytes) const {
  const std::string full = file(name);
  std::ofstream out(full, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    throw std::runtime_error("cannot write " + full);
  }
  return full;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string TempDir::read(const std::string& name) const {
  return ReadFile(name.starts_with("/") ? name : file(name));
}

bool TempDir::exists(const std::string& name) const {
  return std::filesystem::exists(name.starts_with("/") ? name : file(name));
}

std::vector<std::string> TempDir::names() const {
  return NamesIn(path_);
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> result;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    result.push_back(entry.path().filename().string());
  }
  std::sort(result.begin(), result.end());
  return result;
}

}  // namespace lumetra::testing
