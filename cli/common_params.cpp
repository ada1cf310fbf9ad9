#include "cli/common_params.h"

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
  params.text = TextChoiceFrom(arguments);
  return params;
}

CommonParams ForTask(CommonParams params, const InputTask& task) {
  params.inputPath = task.path;
  params.outputFolder = task.outputFolder;
  return params;
}

}  // namespace lumetra::cli
