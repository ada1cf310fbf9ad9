#pragma once

#include <string>

#include "operations/text_preview.h"

namespace lumetra::cli {

// One change of a dry run as one line: entry number, start time, the text before and the
// text after, parted by tabs, "|" for line breaks; a dropped entry shows "(dropped)".
std::string ChangeLine(const TextChange& change);

}  // namespace lumetra::cli
