#include "cli/common_params.h"
#include "cli/input_report.h"
#include "operations/synchronize.h"

namespace lumetra::cli {

PreparedCommand SynchronizeCommand(const Arguments& arguments) {
  arguments.required("shift");  // a usage error without it
  const auto shift = static_cast<int>(arguments.integer("shift", 0, -kMaxShiftMs, kMaxShiftMs));
  const CommonParams params = CommonParamsFrom(arguments);
  return {[=](const InputTask& task, InputReport& report) {
            Synchronize(ForTask(params, task), shift, report);
          },
          false, WrittenFormatOf(params)};
}

}  // namespace lumetra::cli
