#include "cli/common_params.h"

#include "subtitle/format.h"
#include "subtitle/subtitle_input.h"

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
  params.committer = task.committer;
  return params;
}

std::function<std::string(const InputTask&)> WrittenFormatOf(const CommonParams& params,
                                                             bool convertsFormat) {
  return [=](const InputTask& task) -> std::string {
    if (params.outputFormat) {
      return FormatName(*params.outputFormat);
    }
    try {
      const SubtitleInput input(task.path);
      return FormatName(OutputFormatOf(params, input, convertsFormat));
    } catch (...) {
      return "unreadable " + task.path;  // its run fails and writes nothing
    }
  };
}

}  // namespace lumetra::cli
