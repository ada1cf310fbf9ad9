#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/input_format.h"
#include "operations/convert.h"

namespace lumetra::cli {

int ConvertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Arguments arguments(args, {"fps", "to", "shift"}, {"delete-source"});
  const auto shift = static_cast<int>(arguments.integer("shift", 0, -30000, 30000));
  CommonParams params;
  params.inputPath = arguments.input();
  params.frameRate = arguments.frameRate("fps", 25.0);
  // By default the other format; an unreadable or unknown input goes to the operation as it
  // is, which then says what is wrong with it.
  const SubtitleFormat own = InputFormatOrUnknown(params.inputPath);
  params.outputFormat = arguments.format("to").value_or(
      own == SubtitleFormat::MicroDvd ? SubtitleFormat::SubRip : SubtitleFormat::MicroDvd);
  params.deleteSource = arguments.has("delete-source");
  FrameView view;
  return Report(Convert(params, shift, view), out, err);
}

}  // namespace lumetra::cli
