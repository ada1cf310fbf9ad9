#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/common_params.h"
#include "operations/convert.h"

namespace lumetra::cli {

int ConvertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Arguments arguments(args, {"fps", "to", "shift"}, {"delete-source"});
  const auto shift = static_cast<int>(arguments.integer("shift", 0, -30000, 30000));
  const CommonParams params = CommonParamsFrom(arguments);
  ReportingView view(out, err);
  Convert(params, shift, view);
  return view.exitCode();
}

}  // namespace lumetra::cli
