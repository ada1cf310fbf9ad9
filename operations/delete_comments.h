#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "operations/chosen_changes.h"
#include "operations/comment_scan.h"
#include "operations/frame.h"

namespace lumetra {

// What the busy caption shows while Delete comments runs, or its preview.
inline constexpr const char* kDeletingComments = "deleting comments...";

// Removes the comments of every entry and drops the entries left without text; one counter
// for the whole run.
class CommentRemoval final : public EntryTransform {
 public:
  explicit CommentRemoval(const CommentKinds& kinds) : scanner_(kinds) {}
  bool apply(SubtitleEntry& entry, double inputUnitsPerSecond) override;
  long long comments() const { return comments_; }

 private:
  CommentScanner scanner_;
  long long comments_ = 0;
};

// What Delete comments removes: the pair of the two one-character boxes (empty means the box
// is empty), more pairs, and optionally display lines holding a music note.
struct CommentSettings {
  std::string begin;
  std::string end;
  std::vector<CommentPair> extraPairs;  // pairs with an empty side are passed over
  bool musicLines = false;
};
CommentKinds KindsOf(const CommentSettings& settings);
// More pairs as one text, each pair two characters (one byte or one UTF-8 character each),
// the pairs parted by spaces: "() {}". Nothing when a pair is not two characters.
std::optional<std::vector<CommentPair>> ParseCommentPairs(std::string_view text);

// Removes every comment from `begin` up to the next `end` character (texts of the two
// one-character boxes; empty means the box is empty) and writes
// base name + " - without comments" in the output format.
// The entries of the changes in `leftOut` (as a preview numbers them) are written as they
// were, and their comments are not counted.
void DeleteComments(const CommonParams& params, const CommentSettings& settings, FrameView& view,
                    const LeftOutChanges& leftOut = {});
void DeleteComments(const CommonParams& params, const std::string& begin, const std::string& end,
                    FrameView& view);
// The refusal for an empty begin or end character, or "" when both are there.
std::string CommentCharactersRefusal(const std::string& begin, const std::string& end);
// "Number of deleted comments: 12", the count a run reports.
std::string CommentCount(long long comments);

}  // namespace lumetra
