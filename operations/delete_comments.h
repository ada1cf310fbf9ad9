#pragma once

#include <string>

#include "operations/frame.h"

namespace lumetra {

// Removes the comments of every entry and drops the entries left without text; one counter
// for the whole run.
class CommentRemoval final : public EntryTransform {
 public:
  CommentRemoval(const std::string& begin, const std::string& end) : begin_(begin), end_(end) {}
  bool apply(SubtitleEntry& entry, double inputUnitsPerSecond) override;
  long long comments() const { return comments_; }

 private:
  const std::string& begin_;
  const std::string& end_;
  long long comments_ = 0;
};

// Removes every comment from `begin` up to the next `end` character (texts of the two
// one-character boxes; empty means the box is empty) and writes
// base name + " - without comments" in the output format.
void DeleteComments(const CommonParams& params, const std::string& begin, const std::string& end,
                    FrameView& view);
// The refusal for an empty begin or end character, or "" when both are there.
std::string CommentCharactersRefusal(const std::string& begin, const std::string& end);
// "Number of deleted comments: 12", the count a run reports.
std::string CommentCount(long long comments);

}  // namespace lumetra
