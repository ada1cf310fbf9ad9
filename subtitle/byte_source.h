#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumetra {

// Where the bytes of an input come from: a file, or memory for tests and fuzzing.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to `size` bytes into `into`; 0 at the end. Throws SubtitleError.
  virtual std::size_t read(char* into, std::size_t size) = 0;
  // Back to the first byte, for the second look at an input that was opened once.
  virtual void rewind() = 0;
  // The path named in failures.
  virtual const std::string& name() const = 0;
};

// A regular file, opened once. A folder, pipe, device or socket is refused at once: opening
// never waits for a writer, and nothing is read from anything but a file.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(const std::string& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::size_t read(char* into, std::size_t size) override;
  void rewind() override;
  const std::string& name() const override { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
};

// Bytes held by the caller, who keeps them alive while they are read.
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes, std::string name = "memory")
      : bytes_(bytes), name_(std::move(name)) {}

  std::size_t read(char* into, std::size_t size) override;
  void rewind() override { position_ = 0; }
  const std::string& name() const override { return name_; }

 private:
  std::string_view bytes_;
  std::string name_;
  std::size_t position_ = 0;
};

}  // namespace lumetra
