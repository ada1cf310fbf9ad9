#include "operations/comment_scan.h"

#include <cstring>

#include "subtitle/subtitle_entry.h"

namespace lumetra {
namespace {

// Where `what` starts in `text` from `from` on, or npos. memchr finds its first byte.
std::size_t Find(std::string_view text, std::string_view what, std::size_t from) {
  while (from < text.size()) {
    const auto* first =
        static_cast<const char*>(std::memchr(text.data() + from, what.front(), text.size() - from));
    if (first == nullptr) {
      return std::string_view::npos;
    }
    const auto at = static_cast<std::size_t>(first - text.data());
    if (text.compare(at, what.size(), what) == 0) {
      return at;
    }
    from = at + 1;
  }
  return std::string_view::npos;
}

// Removes the line breaks at both ends and every second one of a run, then the spaces at
// both ends. Order matters: line breaks go before spaces, so a space in front of a leading
// line break keeps that line break.
void CleanUp(std::string& text) {
  const auto first = text.find_first_not_of(kLineBreak);
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  text.erase(text.find_last_not_of(kLineBreak) + 1);
  text.erase(0, first);
  if (text.find(kLineBreak) != std::string::npos) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] != kLineBreak || text[kept - 1] != kLineBreak) {
        text[kept++] = text[i];
      }
    }
    text.resize(kept);
  }
  const auto firstNonSpace = text.find_first_not_of(' ');
  if (firstNonSpace == std::string::npos) {
    text.clear();
    return;
  }
  text.erase(text.find_last_not_of(' ') + 1);
  text.erase(0, firstNonSpace);
}

}  // namespace

long long RemoveComments(std::string_view text, std::string_view begin, std::string_view end,
                         std::string& remaining) {
  remaining.clear();
  long long comments = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t opening = Find(text, begin, i);
    remaining.append(text.substr(i, opening == std::string_view::npos ? text.size() : opening - i));
    if (opening == std::string_view::npos) {
      break;
    }
    ++comments;
    const std::size_t closing = Find(text, end, opening + begin.size());
    if (closing == std::string_view::npos) {
      break;  // open to the end of the entry's text
    }
    i = closing + end.size();
    if (i < text.size() && text[i] == ' ') {
      ++i;  // the one space after a comment goes with it
    }
  }
  CleanUp(remaining);
  return comments;
}

}  // namespace lumetra
