#pragma once

#include <string>
#include <vector>

#include "subtitle/format.h"
#include "subtitle/subtitle_entry.h"

namespace lumetra::testing {

// Reads every entry of `content` with the reader of `format`, as the operation loop does.
// Throws SubtitleError like the readers.
std::vector<SubtitleEntry> ReadAll(const std::string& content, SubtitleFormat format);

}  // namespace lumetra::testing
