#include "cli/common_params.h"
#include "cli/input_report.h"
#include "operations/frame.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/subtitle_input.h"

namespace lumetra::cli {

// Tells what a subtitle file is: "SubRip subtitle (windows-1250)".
PreparedCommand ProbeCommand(const Arguments& arguments) {
  const TextChoice choice = TextChoiceFrom(arguments);
  return {[=](const InputTask& task, InputReport& report) {
    try {
      const SubtitleFileFacts facts = InspectSubtitleFile(task.path, choice);
      if (facts.format == SubtitleFormat::Unknown) {
        Refuse(report, "The selected file is not a subtitle (or is an unknown format)");
        return;
      }
      Complete(report, DescribeSubtitle(facts));
    } catch (...) {
      Fail(report, std::current_exception(), task.path, false);
    }
  }};
}

}  // namespace lumetra::cli
