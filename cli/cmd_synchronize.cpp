#include "cli/common_params.h"
#include "cli/input_report.h"
#include "operations/synchronize.h"

namespace lumetra::cli {

PreparedCommand SynchronizeCommand(const Arguments& arguments) {
  if (!arguments.has("shift")) {
    throw UsageError("option --shift is required");
  }
  const auto shift = static_cast<int>(arguments.integer("shift", 0, -kMaxShiftMs, kMaxShiftMs));
  const CommonParams params = CommonParamsFrom(arguments);
  return {[=](const InputTask& task, InputReport& report) {
    Synchronize(ForTask(params, task), shift, report);
  }};
}

}  // namespace lumetra::cli
