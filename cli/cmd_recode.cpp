#include "cli/common_params.h"
#include "cli/input_report.h"
#include "operations/recode.h"
#include "subtitle/paths.h"

namespace lumetra::cli {

PreparedCommand RecodeCommand(const Arguments& arguments) {
  const CommonParams params = CommonParamsFrom(arguments);
  return {
      [=](const InputTask& task, InputReport& report) { Recode(ForTask(params, task), report); },
      false,
      // The output keeps the input's extension.
      [](const InputTask& task) { return FileExtension(task.path); }};
}

}  // namespace lumetra::cli
