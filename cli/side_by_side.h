#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "cli/commands.h"
#include "cli/input_report.h"

namespace lumetra::cli {

// A sync costs about as much for one file as for many: the outputs of up to this many
// inputs share one sync of their file system and one of each folder, or of fewer when no
// new one has come for kLongestSettleDelay.
inline constexpr std::size_t kInputsPerSync = 64;

// Runs the tasks side by side, at most `jobs` at a time making their outputs; outputs wait
// in a sync round this thread settles, and their runs learn the outcome before they report
// or delete anything. `finished(i)` is called on this thread, in input order, once task
// i's run is over and its report complete.
void RunSideBySide(const PreparedCommand& command, std::vector<InputTask> tasks,
                   std::vector<InputReport>& reports, std::size_t jobs,
                   const std::function<void(std::size_t)>& finished);

}  // namespace lumetra::cli
