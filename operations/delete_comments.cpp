#include "operations/delete_comments.h"

#include <algorithm>

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

namespace {

// The length of the character that starts `text`: one byte, or one UTF-8 character.
std::size_t CharacterLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  for (std::size_t i = 1; i < length && i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      return 1;  // not UTF-8: a byte of an 8-bit text
    }
  }
  return length;
}

}  // namespace

std::optional<std::vector<CommentPair>> ParseCommentPairs(std::string_view text) {
  std::vector<CommentPair> pairs;
  for (std::size_t at = text.find_first_not_of(' '); at != std::string_view::npos;
       at = text.find_first_not_of(' ', at)) {
    const std::size_t stop = std::min(text.find(' ', at), text.size());
    const std::string_view pair = text.substr(at, stop - at);
    const std::size_t first = CharacterLength(pair);
    if (first >= pair.size() || first + CharacterLength(pair.substr(first)) != pair.size()) {
      return std::nullopt;
    }
    pairs.push_back({std::string(pair.substr(0, first)), std::string(pair.substr(first))});
    at = stop;
  }
  return pairs;
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
