#include "operations/comment_scan.h"

#include <cstring>

#include "subtitle/chunk_match.h"
#include "subtitle/subtitle_entry.h"

namespace lumetra {
namespace {

constexpr auto npos = std::string_view::npos;

// Where the byte `c` is in `text` from `from` on, or npos.
std::size_t FindByte(std::string_view text, char c, std::size_t from) {
  if (from >= text.size()) {
    return npos;
  }
  const std::size_t n = text.size() - from;
  const std::size_t at = FirstMatch(
      text.data() + from, n, [c](const char* p) { return Equal(p, c); },
      [c](const char* p) { return *p == c; });
  return at == n ? npos : from + at;
}

// Where `what` starts in `text` from `from` on, or npos.
inline std::size_t Find(std::string_view text, std::string_view what, std::size_t from) {
  if (what.size() == 1) {
    return FindByte(text, what.front(), from);
  }
  for (std::size_t at = FindByte(text, what.front(), from); at != npos;
       at = FindByte(text, what.front(), at + 1)) {
    if (text.compare(at, what.size(), what) == 0) {
      return at;
    }
  }
  return npos;
}

// Where the first run of two line breaks starts, or npos.
std::size_t FindDoubleLineBreak(std::string_view text) {
  if (text.size() < 2) {
    return npos;
  }
  const std::size_t n = text.size() - 1;  // places with a character after them
  const std::size_t at = FirstMatch(
      text.data(), n, [](const char* p) { return Equal(p, kLineBreak) & Equal(p + 1, kLineBreak); },
      [](const char* p) { return p[0] == kLineBreak && p[1] == kLineBreak; });
  return at == n ? npos : at;
}

// Removes the line breaks at both ends and every second one of a run, then the spaces at
// both ends. Order matters: line breaks go before spaces, so a space in front of a leading
// line break keeps that line break.
void CleanUp(std::string& text) {
  const auto atEnd = [](char c) { return c == kLineBreak || c == ' '; };
  std::size_t run = FindDoubleLineBreak(text);
  if (text.empty() || (!atEnd(text.front()) && !atEnd(text.back()) && run == std::string::npos)) {
    return;  // most texts: nothing to clean
  }
  const auto first = text.find_first_not_of(kLineBreak);
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  text.erase(text.find_last_not_of(kLineBreak) + 1);
  text.erase(0, first);
  run = FindDoubleLineBreak(text);
  if (run != std::string::npos) {
    std::size_t kept = run + 1;
    for (std::size_t i = kept; i < text.size(); ++i) {
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

// Where the first byte of `begin` or two line breaks in a row first stand in `text`, or its
// size: one pass that finds most texts untouched.
std::size_t FirstBeginOrRun(std::string_view text, char begin) {
  if (text.empty()) {
    return 0;
  }
  const std::size_t n = text.size() - 1;  // places with a character after them
  const std::size_t at = FirstMatch(
      text.data(), n,
      [begin](const char* p) {
        return Equal(p, begin) | (Equal(p, kLineBreak) & Equal(p + 1, kLineBreak));
      },
      [begin](const char* p) {
        return p[0] == begin || (p[0] == kLineBreak && p[1] == kLineBreak);
      });
  return at == n && text.back() != begin ? text.size() : at;
}

}  // namespace

long long RemoveComments(std::string& text, std::string_view begin, std::string_view end) {
  const std::size_t first = FirstBeginOrRun(text, begin.front());
  const auto atEnd = [](char c) { return c == kLineBreak || c == ' '; };
  if (first == text.size() && (text.empty() || (!atEnd(text.front()) && !atEnd(text.back())))) {
    return 0;  // no comment and nothing to clean up: most texts
  }
  const std::string_view scanned = text;  // read ahead of what is kept, so never overwritten
  char* kept = text.data();
  long long comments = 0;
  std::size_t opening = Find(scanned, begin, first);  // no comment starts before `first`
  if (opening != std::string_view::npos) {
    kept += opening;
    while (opening != std::string_view::npos) {
      ++comments;
      const std::size_t closing = Find(scanned, end, opening + begin.size());
      if (closing == std::string_view::npos) {
        break;  // open to the end of the entry's text
      }
      std::size_t i = closing + end.size();
      if (i < scanned.size() && scanned[i] == ' ') {
        ++i;  // the one space after a comment goes with it
      }
      opening = Find(scanned, begin, i);
      const std::size_t stop = opening == std::string_view::npos ? scanned.size() : opening;
      std::memmove(kept, scanned.data() + i, stop - i);
      kept += stop - i;
    }
    text.resize(static_cast<std::size_t>(kept - text.data()));
  }
  CleanUp(text);
  return comments;
}

long long RemoveComments(std::string_view text, std::string_view begin, std::string_view end,
                         std::string& remaining) {
  remaining.assign(text);
  return RemoveComments(remaining, begin, end);
}

}  // namespace lumetra
