#include "cli/common_params.h"

namespace lumetra::cli {

CommonParams CommonParamsFrom(const Arguments& arguments) {
  CommonParams params;
  if (arguments.has("fps")) {
    params.frameRate = arguments.frameRate("fps", 0);
  }
  params.outputFormat = arguments.format("to");
  params.deleteSource = arguments.has("delete-source");
  params.keepExistingOutputs = arguments.has("no-clobber");
  return params;
}

CommonParams ForTask(CommonParams params, const InputTask& task) {
  params.inputPath = task.path;
  params.outputFolder = task.outputFolder;
  return params;
}

}  // namespace lumetra::cli
