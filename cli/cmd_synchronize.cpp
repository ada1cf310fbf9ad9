#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/common_params.h"
#include "operations/synchronize.h"

namespace lumetra::cli {

int SynchronizeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Arguments arguments(args, {"shift", "fps", "to"}, {"delete-source"});
  const auto shift = static_cast<int>(arguments.integer("shift", 0, -30000, 30000));
  if (!arguments.has("shift")) {
    throw UsageError("option --shift is required");
  }
  const CommonParams params = CommonParamsFrom(arguments);
  ReportingView view(out, err);
  Synchronize(params, shift, view);
  return view.exitCode();
}

}  // namespace lumetra::cli
