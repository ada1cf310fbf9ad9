#include "operations/delete_comments.h"

#include "operations/comment_scan.h"

namespace lumetra {
bool CommentRemoval::apply(SubtitleEntry& entry, double) {
  comments_ += scanner_.remove(entry.text);
  return !entry.text.empty();
}

CommentKinds KindsOf(const CommentSettings& settings) {
  CommentKinds kinds{{{settings.begin, settings.end}}, settings.musicLines};
  for (const CommentPair& pair : settings.extraPairs) {
    if (!pair.begin.empty() && !pair.end.empty()) {
      kinds.pairs.push_back(pair);
    }
  }
  return kinds;
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
  DeleteComments(params, CommentSettings{begin, end, {}, false}, view);
}

void DeleteComments(const CommonParams& params, const CommentSettings& settings, FrameView& view,
                    const LeftOutChanges& leftOut) {
  if (const std::string refusal = CommentCharactersRefusal(settings.begin, settings.end);
      !refusal.empty()) {
    Refuse(view, refusal);
    return;
  }
  const CommentKinds kinds = KindsOf(settings);
  constexpr EntryOperation kDeleteComments{kDeletingComments, " - without comments", false, true};
  CommentRemoval removal(kinds);
  ChosenChanges chosen(removal, leftOut, [&removal] { return removal.comments(); });
  if (RunEntryOperation(params, kDeleteComments, chosen, view)) {
    view.resetShift();
    Complete(view, std::string("The comments are deleted.") + kCR + CommentCount(chosen.count()));
  }
}

}  // namespace lumetra
