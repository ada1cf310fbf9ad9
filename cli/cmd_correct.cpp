#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/common_params.h"
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
  const CommonParams params = CommonParamsFrom(arguments);
  ReportingView view(out, err);
  Correct(params, settings, view);
  return view.exitCode();
}

}  // namespace lumetra::cli
