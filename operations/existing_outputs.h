#pragma once

#include <string>
#include <vector>

namespace lumetra {

class Committer;
class FrameView;
class OutputFile;
class OutputGroup;

// Whether the finished outputs of a run may take their names. A name nobody uses yet is
// free; files already there are replaced only when the view agrees (the window asks the
// user, the command line agrees unless told to keep them). With `keepExisting` any existing
// one refuses the run instead. False: the run ends with nothing written and the view has
// been told whatever it needs to know.
bool MayTakeNames(const std::vector<std::string>& targets, bool keepExisting, FrameView& view);

// Gives a run's finished output (or every file of a group) its name: asks as MayTakeNames
// does, commits through `committer` and tells the view what was written. False: nothing
// was named, and the unnamed files go with their owner. Throws what the commit throws.
bool NameOutputs(OutputFile& file, bool keepExisting, Committer& committer, FrameView& view);
bool NameOutputs(OutputGroup& group, bool keepExisting, Committer& committer, FrameView& view);

}  // namespace lumetra
