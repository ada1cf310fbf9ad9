#include "cli/common_params.h"
#include "cli/input_report.h"
#include "cli/text_changes.h"
#include "operations/correct.h"
#include "operations/text_preview.h"

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

PreparedCommand CorrectCommand(const Arguments& arguments) {
  CorrectSettings settings;
  settings.language = Language(arguments);
  settings.quotes = !arguments.has("no-quotes");
  settings.il = !arguments.has("no-il");
  settings.fullStops = !arguments.has("no-full-stops");
  settings.digitSpaces = !arguments.has("no-digit-spaces");
  const CommonParams params = CommonParamsFrom(arguments);
  if (arguments.has("dry-run")) {
    return {[=](const InputTask& task, InputReport& report) {
              PreviewCorrect(
                  ForTask(params, task), settings,
                  [&](const TextChange& change) { report.change(ChangeLine(change)); }, report);
            },
            true};
  }
  return {[=](const InputTask& task, InputReport& report) {
            Correct(ForTask(params, task), settings, report);
          },
          false, WrittenFormatOf(params)};
}

}  // namespace lumetra::cli
