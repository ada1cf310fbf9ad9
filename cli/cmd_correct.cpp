#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/input_format.h"
#include "operations/correct.h"

namespace lumetra::cli {
namespace {

CorrectLanguage Language(const Arguments& arguments) {
  const std::string language = arguments.value("language").value_or("english");
  if (language == "english") {
    return CorrectLanguage::English;
  }
  if (language == "french") {
    return CorrectLanguage::French;
  }
  throw UsageError("--language must be english or french, not '" + language + "'");
}

}  // namespace

int CorrectCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const Arguments arguments(
      args, {"language", "fps", "to"},
      {"no-quotes", "no-il", "no-full-stops", "no-digit-spaces", "delete-source"});
  CorrectSettings settings;
  settings.language = Language(arguments);
  settings.quotes = !arguments.has("no-quotes");
  settings.il = !arguments.has("no-il");
  settings.fullStops = !arguments.has("no-full-stops");
  settings.digitSpaces = !arguments.has("no-digit-spaces");
  CommonParams params;
  params.inputPath = arguments.input();
  params.frameRate = arguments.frameRate("fps", 25.0);
  const SubtitleFormat own = InputFormatOrUnknown(params.inputPath);
  params.outputFormat = arguments.format("to").value_or(
      own == SubtitleFormat::SubRip ? SubtitleFormat::SubRip : SubtitleFormat::MicroDvd);
  params.deleteSource = arguments.has("delete-source");
  FrameView view;
  return Report(Correct(params, settings, view), out, err);
}

}  // namespace lumetra::cli
