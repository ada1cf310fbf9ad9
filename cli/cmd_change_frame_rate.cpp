#include "cli/arguments.h"
#include "cli/commands.h"
#include "operations/change_frame_rate.h"

namespace lumetra::cli {

int ChangeFrameRateCommand(const std::vector<std::string>& args, std::ostream& out,
                           std::ostream& err) {
  const Arguments arguments(args, {"new-fps", "fps"}, {"delete-source"});
  ChangeFrameRateParams params;
  params.inputPath = arguments.input();
  params.newRateText = arguments.required("new-fps");
  params.currentRateText = arguments.value("fps");
  // Only the texts of the window's lists pass, so the two compare as the window's lists do.
  arguments.frameRate("new-fps", 0);
  arguments.frameRate("fps", 0);
  params.deleteSource = arguments.has("delete-source");
  ReportingView view(out, err);
  ChangeFrameRate(params, view);
  return view.exitCode();
}

}  // namespace lumetra::cli
