#include "cli/common_params.h"

namespace lumetra::cli {

CommonParams CommonParamsFrom(const Arguments& arguments) {
  CommonParams params;
  params.inputPath = arguments.input();
  if (arguments.has("fps")) {
    params.frameRate = arguments.frameRate("fps", 0);
  }
  params.outputFormat = arguments.format("to");
  params.deleteSource = arguments.has("delete-source");
  return params;
}

}  // namespace lumetra::cli
