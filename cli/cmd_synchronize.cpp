#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/input_format.h"
#include "operations/synchronize.h"

namespace lumetra::cli {

int SynchronizeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Arguments arguments(args, {"shift", "fps", "to"}, {"delete-source"});
  const auto shift = static_cast<int>(arguments.integer("shift", 0, -30000, 30000));
  if (!arguments.has("shift")) {
    throw UsageError("option --shift is required");
  }
  CommonParams params;
  params.inputPath = arguments.input();
  params.frameRate = arguments.frameRate("fps", 25.0);
  const SubtitleFormat own = InputFormatOrUnknown(params.inputPath);
  params.outputFormat = arguments.format("to").value_or(
      own == SubtitleFormat::SubRip ? SubtitleFormat::SubRip : SubtitleFormat::MicroDvd);
  params.deleteSource = arguments.has("delete-source");
  FrameView view;
  return Report(Synchronize(params, shift, view), out, err);
}

}  // namespace lumetra::cli
