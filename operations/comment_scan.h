#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "operations/markup.h"

namespace lumetra {

// A comment runs from `begin` up to the next `end`; both are matched as byte sequences, so a
// UTF-8 character works as well as an ASCII one, and both are non-empty.
struct CommentPair {
  std::string begin;
  std::string end;
};

// What counts as a comment in one run.
struct CommentKinds {
  std::vector<CommentPair> pairs;  // the first that begins at a place opens the comment there
  bool musicLines = false;         // a display line holding a music note is a comment too
};

// Removes the comments of entry texts, one after another, with working storage kept from one
// entry to the next.
class CommentScanner {
 public:
  explicit CommentScanner(const CommentKinds& kinds) : kinds_(kinds) {}

  // Removes every comment from `text` with the one space that follows it, and the display
  // lines it leaves with nothing but dashes, spaces, punctuation or emptied markup; then
  // trims line breaks and spaces. Markup is not text: a begin inside a tag opens nothing,
  // and a tag inside a comment stays unless its line goes. Returns the number of comments,
  // an unclosed one included. Comments do not nest and never reach into another entry.
  long long remove(std::string& text);

 private:
  long long scan(std::string_view text, std::string& out);
  void removeDebris(std::string& text);

  const CommentKinds& kinds_;
  std::string out_;
  std::string kept_;
  std::vector<MarkupSpan> markup_;
  std::vector<std::size_t> nextBegin_;
  std::vector<bool> touchedLines_;  // the lines of the output where a comment was removed
};

// The same for one text and one pair, `remaining` replacing what it held.
long long RemoveComments(std::string_view text, std::string_view begin, std::string_view end,
                         std::string& remaining);
// One text, every kind of comment, in place.
long long RemoveComments(std::string& text, const CommentKinds& kinds);

}  // namespace lumetra
