#include "cli/common_params.h"
#include "cli/input_report.h"
#include "operations/convert.h"

namespace lumetra::cli {

PreparedCommand ConvertCommand(const Arguments& arguments) {
  const auto shift = static_cast<int>(arguments.integer("shift", 0, -kMaxShiftMs, kMaxShiftMs));
  const CommonParams params = CommonParamsFrom(arguments);
  return {[=](const InputTask& task, InputReport& report) {
            Convert(ForTask(params, task), shift, report);
          },
          false, WrittenFormatOf(params, true)};
}

}  // namespace lumetra::cli
