#include <string>

#include "cli/common_params.h"
#include "cli/input_report.h"
#include "operations/split.h"
#include "settings/setting_keys.h"

namespace lumetra::cli {

PreparedCommand SplitCommand(const Arguments& arguments) {
  // 0 and 1 are let through so that the operation refuses them with its own message.
  SplitParams split;
  split.segmentFrames = static_cast<double>(arguments.integer(
      "segment-frames", std::stoll(setting_keys::kSegmentSize.factory), 0, 1'000'000'000'000));
  // At most 999, as the window's three-digit field: every part up to the last is written.
  split.numberOfSegments = static_cast<double>(
      arguments.integer("segments", std::stoll(setting_keys::kNumberOfSegments.factory), 0, 999));
  const CommonParams params = CommonParamsFrom(arguments);
  return {[=](const InputTask& task, InputReport& report) {
            Split(ForTask(params, task), split, report);
          },
          false, WrittenFormatOf(params)};
}

}  // namespace lumetra::cli
