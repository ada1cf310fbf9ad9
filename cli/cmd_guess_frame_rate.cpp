#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/input_report.h"
#include "operations/guess_frame_rate.h"

namespace lumetra::cli {

PreparedCommand GuessFrameRateCommand(const Arguments& arguments) {
  GuessFrameRateParams params;
  params.lengthText = arguments.required("length");
  // "0" keeps its own refusal, as on the window; other lengths must be whole seconds.
  if (params.lengthText != "0") {
    params.lengthSeconds = static_cast<double>(arguments.integer("length", 0, 1, 1'000'000'000));
  }
  if (arguments.has("correction")) {
    params.correctionMinutes = static_cast<int>(arguments.integer("correction", 0, 0, 10));
  }
  params.deleteSource = arguments.has("delete-source");
  return {[=](const InputTask& task, InputReport& report) {
    GuessFrameRateParams own = params;
    own.inputPath = task.path;
    GuessFrameRate(own, report);
  }};
}

}  // namespace lumetra::cli
