#pragma once

#include <filesystem>

namespace lumetra::bench {

// Subtitle files shaped like the ones people keep: two-line texts that hold the usual repair
// and comment triggers, start times spread evenly over `spanSeconds` (frames at 25 per
// second for MicroDVD). Both stream to the file, so the bench itself stays small: a child's
// peak memory counts the pages it was forked from.
// The text of entry i ("|" between its two lines), and what two operations must make of it.
struct BenchText {
  const char* original;
  const char* corrected;        // Correct, every repair, English
  const char* withoutComments;  // Delete comments, "[" and "]"
};
const BenchText& BenchTextOf(long i);
// The end frame of MicroDVD entry i.
long long MicroDvdEndOf(long i, long entries, long spanSeconds);

void WriteMicroDvd(const std::filesystem::path& path, long entries, long spanSeconds);
void WriteSubRip(const std::filesystem::path& path, long entries, long spanSeconds);

}  // namespace lumetra::bench
