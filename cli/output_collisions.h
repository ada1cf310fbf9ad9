#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace lumetra::cli {

// Worked out before any input runs: for each input, another input of the run whose outputs
// would take the same names, or "" when there is none. Outputs are named by their input's
// name stem in the output folder, so two inputs collide when their stems and output folders
// agree (case aside where the folder ignores case) and `outputKind` gives both the same
// rest of the name. A Split's parts all follow from that stem, so they are compared as one.
std::vector<std::string> CollidingInputs(
    const std::vector<InputTask>& tasks,
    const std::function<std::string(const InputTask&)>& outputKind);

}  // namespace lumetra::cli
