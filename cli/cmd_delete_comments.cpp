#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/input_format.h"
#include "operations/delete_comments.h"

namespace lumetra::cli {

int DeleteCommentsCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err) {
  const Arguments arguments(args, {"begin", "end", "fps", "to"}, {"delete-source"});
  // Any text is taken as the delimiter, so a UTF-8 character such as « works; an empty one
  // is refused by the operation like an empty box on the window.
  const std::string begin = arguments.value("begin").value_or("[");
  const std::string end = arguments.value("end").value_or("]");
  CommonParams params;
  params.inputPath = arguments.input();
  params.frameRate = arguments.frameRate("fps", 25.0);
  const SubtitleFormat own = InputFormatOrUnknown(params.inputPath);
  params.outputFormat = arguments.format("to").value_or(
      own == SubtitleFormat::SubRip ? SubtitleFormat::SubRip : SubtitleFormat::MicroDvd);
  params.deleteSource = arguments.has("delete-source");
  FrameView view;
  return Report(DeleteComments(params, begin, end, view), out, err);
}

}  // namespace lumetra::cli
