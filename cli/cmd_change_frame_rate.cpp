#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/common_params.h"
#include "cli/input_report.h"
#include "operations/change_frame_rate.h"
#include "subtitle/paths.h"

namespace lumetra::cli {

PreparedCommand ChangeFrameRateCommand(const Arguments& arguments) {
  ChangeFrameRateParams params;
  params.newRateText = arguments.required("new-fps");
  params.currentRateText = arguments.value("fps");
  // Only the texts of the window's lists pass, so the two compare as the window's lists do.
  arguments.frameRate("new-fps", 0);
  arguments.frameRate("fps", 0);
  params.deleteSource = arguments.has("delete-source");
  params.keepExistingOutputs = arguments.has("no-clobber");
  params.text = TextChoiceFrom(arguments);
  return {[=](const InputTask& task, InputReport& report) {
            ChangeFrameRateParams own = params;
            own.inputPath = task.path;
            own.outputFolder = task.outputFolder;
            own.committer = task.committer;
            ChangeFrameRate(own, report);
          },
          false, [](const InputTask& task) { return FileExtension(task.path); }};
}

}  // namespace lumetra::cli
