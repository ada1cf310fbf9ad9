#pragma once

#include <string>

#include "operations/frame.h"

namespace lumetra {

// Removes every comment from `begin` up to the next `end` character (texts of the two
// one-character boxes; empty means the box is empty) and writes
// base name + " - without comments" in the output format.
void DeleteComments(const CommonParams& params, const std::string& begin, const std::string& end,
                    FrameView& view);

}  // namespace lumetra
