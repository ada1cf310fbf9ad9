#pragma once

#include <cstddef>

namespace lumetra {

// How inputs are read and entries written. Every run uses the defaults; tests change them to
// run the same inputs through each fast path and through the general code that is its
// reference, and to shrink the read buffer so that its boundaries fall everywhere.
struct ReadingPaths {
  static constexpr std::size_t kDefaultReadSize = std::size_t{256} << 10;
  // The fast paths for the usual shapes: SubRip blocks taken in at once, SubRip times and
  // MicroDVD frame fields read at fixed places, SubRip times below 100 hours written at once.
  // False: the general code alone.
  bool fastPaths = true;
  std::size_t readSize = kDefaultReadSize;  // bytes the line reader asks its source for at once
};

namespace detail {
extern ReadingPaths currentReadingPaths;
}  // namespace detail

// A reader takes the values current when it is made; the per-line tests look each time.
inline ReadingPaths& CurrentReadingPaths() {
  return detail::currentReadingPaths;
}

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
