#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/common_params.h"
#include "operations/delete_comments.h"

namespace lumetra::cli {

int DeleteCommentsCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err) {
  const Arguments arguments(args, {"begin", "end", "fps", "to"}, {"delete-source"});
  // An empty delimiter is refused by the operation like an empty box on the window.
  const std::string begin = arguments.character("begin", "[");
  const std::string end = arguments.character("end", "]");
  const CommonParams params = CommonParamsFrom(arguments);
  ReportingView view(out, err);
  DeleteComments(params, begin, end, view);
  return view.exitCode();
}

}  // namespace lumetra::cli
