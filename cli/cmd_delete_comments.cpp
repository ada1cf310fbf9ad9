#include "cli/common_params.h"
#include "cli/input_report.h"
#include "cli/text_changes.h"
#include "operations/delete_comments.h"
#include "operations/text_preview.h"
#include "settings/setting_keys.h"

namespace lumetra::cli {

PreparedCommand DeleteCommentsCommand(const Arguments& arguments) {
  // An empty delimiter is refused by the operation like an empty box on the window.
  CommentSettings comments{arguments.character("begin", setting_keys::kBeginCharacter.factory),
                           arguments.character("end", setting_keys::kEndCharacter.factory),
                           {},
                           arguments.has("music")};
  for (auto& [begin, end] : arguments.characterPairs("pair")) {
    comments.extraPairs.push_back({begin, end});
  }
  const CommonParams params = CommonParamsFrom(arguments);
  if (arguments.has("dry-run")) {
    return {[=](const InputTask& task, InputReport& report) {
              PreviewDeleteComments(
                  ForTask(params, task), comments,
                  [&](const TextChange& change) { report.change(ChangeLine(change)); }, report);
            },
            true};
  }
  return {[=](const InputTask& task, InputReport& report) {
             DeleteComments(ForTask(params, task), comments, report);
           },
           false, WrittenFormatOf(params)};
}

}  // namespace lumetra::cli
