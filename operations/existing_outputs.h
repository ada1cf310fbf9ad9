#pragma once

#include <string>
#include <vector>

namespace lumetra {

class FrameView;

// Whether the finished outputs of a run may take their names. A name nobody uses yet is
// free; files already there are replaced only when the view agrees (the window asks the
// user, the command line agrees unless told to keep them). With `keepExisting` any existing
// one refuses the run instead. False: the run ends with nothing written and the view has
// been told whatever it needs to know.
bool MayTakeNames(const std::vector<std::string>& targets, bool keepExisting, FrameView& view);

}  // namespace lumetra
