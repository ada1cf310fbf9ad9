#include "operations/delete_comments.h"

#include <utility>

#include "operations/comment_scan.h"

namespace lumetra {
namespace {

// Removes the comments of every entry and drops the entries left without text; one counter
// for the whole run.
class CommentRemoval final : public EntryTransform {
 public:
  CommentRemoval(const std::string& begin, const std::string& end) : begin_(begin), end_(end) {}
  bool apply(SubtitleEntry& entry, double) override {
    CommentScanResult scanned = RemoveComments(entry.text, begin_, end_);
    comments_ += scanned.comments;
    entry.text = std::move(scanned.text);
    return !entry.text.empty();
  }
  long long comments() const { return comments_; }

 private:
  const std::string& begin_;
  const std::string& end_;
  long long comments_ = 0;
};

}  // namespace

void DeleteComments(const CommonParams& params, const std::string& begin, const std::string& end,
                    FrameView& view) {
  if (begin.empty()) {
    Refuse(view, "Enter the begin character!");
    return;
  }
  if (end.empty()) {
    Refuse(view, "Enter the end character!");
    return;
  }
  constexpr EntryOperation kDeleteComments{" - Written by Taviel - deleting comments...",
                                           " - without comments", false, true};
  CommentRemoval removal(begin, end);
  if (RunEntryOperation(params, kDeleteComments, removal, view)) {
    view.resetShift();
    Complete(view, std::string("The comments are deleted.") + kCR +
                       "Number of deleted comments: " + std::to_string(removal.comments()));
  }
}

}  // namespace lumetra
