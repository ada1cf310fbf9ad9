#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/common_params.h"
#include "operations/split.h"

namespace lumetra::cli {

int SplitCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Arguments arguments(args, {"segment-frames", "segments", "fps", "to"}, {"delete-source"});
  // 0 and 1 are let through so that the operation refuses them with its own message.
  SplitParams split;
  split.segmentFrames =
      static_cast<double>(arguments.integer("segment-frames", 180000, 0, 1'000'000'000'000));
  // At most 999, as the window's three-digit field: every part up to the last is written.
  split.numberOfSegments = static_cast<double>(arguments.integer("segments", 2, 0, 999));
  const CommonParams params = CommonParamsFrom(arguments);
  ReportingView view(out, err);
  Split(params, split, view);
  return view.exitCode();
}

}  // namespace lumetra::cli
