#include "operations/delete_comments.h"

#include <memory>

#include "operations/comment_scan.h"

namespace lumetra {

OperationResult DeleteComments(const CommonParams& params, const std::string& begin,
                               const std::string& end, FrameView& view) {
  if (begin.empty()) {
    return Refusal(view, "Enter the begin character!");
  }
  if (end.empty()) {
    return Refusal(view, "Enter the end character!");
  }

  // Shared by the callbacks below; one counter per run.
  auto comments = std::make_shared<long long>(0);

  EntryOperation operation;
  operation.busyLiteral = " - Written by Taviel - deleting comments...";
  operation.outputSuffix = " - without comments";
  operation.numberWrittenEntries = true;
  operation.transform = [comments, begin, end](SubtitleEntry& entry, const UnitContext&) {
    CommentScanResult scanned = RemoveComments(entry.text, begin, end);
    *comments += scanned.comments;
    entry.text = std::move(scanned.text);
    return !entry.text.empty();
  };
  operation.completion = [comments] {
    return std::string("The comments are deleted.") + kCR +
           "Number of deleted comments: " + std::to_string(*comments);
  };
  operation.afterSuccess = [](FrameView& frameView) { frameView.resetShift(); };
  operation.count = [comments] { return *comments; };
  return RunEntryOperation(params, operation, view);
}

}  // namespace lumetra
