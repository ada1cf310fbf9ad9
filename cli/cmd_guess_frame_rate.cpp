#include "cli/arguments.h"
#include "cli/commands.h"
#include "operations/guess_frame_rate.h"

namespace lumetra::cli {

int GuessFrameRateCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err) {
  const Arguments arguments(args, {"length", "correction"}, {"delete-source"});
  GuessFrameRateParams params;
  params.inputPath = arguments.input();
  params.lengthText = arguments.required("length");
  // "0" keeps its own refusal, as on the window; other lengths must be whole seconds.
  if (params.lengthText != "0") {
    params.lengthSeconds = static_cast<double>(arguments.integer("length", 0, 1, 1'000'000'000));
  }
  if (arguments.has("correction")) {
    params.correctionMinutes = static_cast<int>(arguments.integer("correction", 0, 0, 10));
  }
  params.deleteSource = arguments.has("delete-source");
  ReportingView view(out, err);
  GuessFrameRate(params, view);
  return view.exitCode();
}

}  // namespace lumetra::cli
