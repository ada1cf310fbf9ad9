#include "operations/comment_scan.h"

#include "subtitle/subtitle_entry.h"

namespace lumetra {
namespace {

enum class ScanState { Text, InComment, AfterComment };

// An empty delimiter never matches, so the scan always moves on.
bool MatchesAt(std::string_view text, std::size_t position, std::string_view what) {
  return !what.empty() && text.substr(position, what.size()) == what;
}

void TrimStart(std::string& text, char c) {
  const auto first = text.find_first_not_of(c);
  text.erase(0, first == std::string::npos ? text.size() : first);
}

void TrimEnd(std::string& text, char c) {
  const auto last = text.find_last_not_of(c);
  text.erase(last == std::string::npos ? 0 : last + 1);
}

// Order matters: line breaks are trimmed before spaces, so a space in front of a leading
// line break keeps that line break.
void CleanUp(std::string& text) {
  TrimEnd(text, kLineBreak);
  TrimStart(text, kLineBreak);

  std::string collapsed;
  collapsed.reserve(text.size());
  for (const char c : text) {
    if (c != kLineBreak || collapsed.empty() || collapsed.back() != kLineBreak) {
      collapsed.push_back(c);
    }
  }
  text.swap(collapsed);

  TrimStart(text, ' ');
  TrimEnd(text, ' ');
}

}  // namespace

CommentScanResult RemoveComments(std::string_view text, std::string_view begin,
                                 std::string_view end) {
  CommentScanResult result;
  result.text.reserve(text.size());
  ScanState state = ScanState::Text;
  std::size_t i = 0;
  while (i < text.size()) {
    if (state == ScanState::InComment) {
      if (MatchesAt(text, i, end)) {
        state = ScanState::AfterComment;
        i += end.size();
      } else {
        ++i;
      }
      continue;
    }
    if (state == ScanState::AfterComment && text[i] == ' ') {
      state = ScanState::Text;
      ++i;
      continue;
    }
    if (MatchesAt(text, i, begin)) {
      ++result.comments;
      state = ScanState::InComment;
      i += begin.size();
    } else {
      result.text.push_back(text[i]);
      state = ScanState::Text;
      ++i;
    }
  }
  CleanUp(result.text);
  return result;
}

}  // namespace lumetra
