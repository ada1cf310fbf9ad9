#pragma once

#include <string>

#include "subtitle/format.h"

namespace lumetra::cli {

// Format of the input by its first character; Unknown when it cannot be read (the
// operation itself then reports why).
SubtitleFormat InputFormatOrUnknown(const std::string& path);

}  // namespace lumetra::cli
