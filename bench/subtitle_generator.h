#pragma once

#include <filesystem>

namespace lumetra::bench {

// Subtitle files shaped like the ones people keep: two-line texts that hold the usual repair
// and comment triggers, start times spread evenly over `spanSeconds` (frames at 25 per
// second for MicroDVD). Both stream to the file, so the bench itself stays small: a child's
// peak memory counts the pages it was forked from.
void WriteMicroDvd(const std::filesystem::path& path, long entries, long spanSeconds);
void WriteSubRip(const std::filesystem::path& path, long entries, long spanSeconds);

}  // namespace lumetra::bench
