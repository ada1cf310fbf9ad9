#pragma once

#include <cstddef>

namespace lumetra {

// How inputs are read. Every run reads with the defaults; tests change them to run the same
// inputs through the usual-block path of SubRip and through the line-by-line reading that it
// must agree with, and to shrink the read buffer so that its boundaries fall everywhere.
// A reader takes the values current when it is made.
struct ReadingPaths {
  static constexpr std::size_t kDefaultReadSize = std::size_t{256} << 10;
  bool usualSubRipBlocks = true;            // false: every SubRip block is read line by line
  std::size_t readSize = kDefaultReadSize;  // bytes the line reader asks its source for at once
};

ReadingPaths& CurrentReadingPaths();

// Sets the paths for its lifetime, then puts back the ones before.
class ScopedReadingPaths {
 public:
  explicit ScopedReadingPaths(ReadingPaths paths) : before_(CurrentReadingPaths()) {
    CurrentReadingPaths() = paths;
  }
  ~ScopedReadingPaths() { CurrentReadingPaths() = before_; }
  ScopedReadingPaths(const ScopedReadingPaths&) = delete;
  ScopedReadingPaths& operator=(const ScopedReadingPaths&) = delete;

 private:
  ReadingPaths before_;
};

}  // namespace lumetra
