#include "operations/delete_comments.h"

#include "operations/comment_scan.h"

namespace lumetra {
bool CommentRemoval::apply(SubtitleEntry& entry, double) {
  comments_ += RemoveComments(entry.text, begin_, end_);
  return !entry.text.empty();
}

std::string CommentCharactersRefusal(const std::string& begin, const std::string& end) {
  if (begin.empty()) {
    return "Enter the begin character!";
  }
  return end.empty() ? "Enter the end character!" : "";
}

std::string CommentCount(long long comments) {
  return "Number of deleted comments: " + std::to_string(comments);
}

void DeleteComments(const CommonParams& params, const std::string& begin, const std::string& end,
                    FrameView& view) {
  if (const std::string refusal = CommentCharactersRefusal(begin, end); !refusal.empty()) {
    Refuse(view, refusal);
    return;
  }
  constexpr EntryOperation kDeleteComments{"deleting comments...", " - without comments", false,
                                           true};
  CommentRemoval removal(begin, end);
  if (RunEntryOperation(params, kDeleteComments, removal, view)) {
    view.resetShift();
    Complete(view,
             std::string("The comments are deleted.") + kCR + CommentCount(removal.comments()));
  }
}

}  // namespace lumetra
