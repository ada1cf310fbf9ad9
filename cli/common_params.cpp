#include "cli/common_params.h"

#include "subtitle/format.h"
#include "subtitle/subtitle_input.h"
#include "subtitle/code_page.h"

namespace lumetra::cli {

TextChoice TextChoiceFrom(const Arguments& arguments) {
  TextChoice choice;
  if (const auto name = arguments.value("input-encoding")) {
    if (!IsKnownCodePage(*name)) {
      throw UsageError("--input-encoding: unknown encoding '" + *name + "'");
    }
    choice.inputEncoding = *name;
  }
  choice.writeUtf8 = arguments.has("utf8");
  if (const auto name = arguments.value("encoding")) {
    if (CanonicalCodePage(*name) != "UTF-8") {
      throw UsageError("--encoding takes utf-8 only, not '" + *name + "'");
    }
    choice.writeUtf8 = true;
  }
  return choice;
}

CommonParams CommonParamsFrom(const Arguments& arguments) {
  CommonParams params;
  if (arguments.has("fps")) {
    params.frameRate = arguments.frameRate("fps", 0);
  }
  params.outputFormat = arguments.format("to");
  params.deleteSource = arguments.has("delete-source");
  params.keepExistingOutputs = arguments.has("no-clobber");
  params.text = TextChoiceFrom(arguments);
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
