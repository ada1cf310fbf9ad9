#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/input_format.h"
#include "operations/split.h"

namespace lumetra::cli {

int SplitCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Arguments arguments(args, {"segment-frames", "segments", "fps", "to"}, {"delete-source"});
  // 0 and 1 are let through so that the operation refuses them with its own message.
  SplitParams split;
  split.segmentFrames =
      static_cast<double>(arguments.integer("segment-frames", 180000, 0, 1'000'000'000'000));
  split.numberOfSegments = static_cast<double>(arguments.integer("segments", 2, 0, 1'000'000'000));
  CommonParams params;
  params.inputPath = arguments.input();
  params.frameRate = arguments.frameRate("fps", 25.0);
  const SubtitleFormat own = InputFormatOrUnknown(params.inputPath);
  params.outputFormat = arguments.format("to").value_or(
      own == SubtitleFormat::SubRip ? SubtitleFormat::SubRip : SubtitleFormat::MicroDvd);
  params.deleteSource = arguments.has("delete-source");
  FrameView view;
  return Report(Split(params, split, view), out, err);
}

}  // namespace lumetra::cli
