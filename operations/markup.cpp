#include "operations/markup.h"

#include "subtitle/chunk_match.h"
#include "subtitle/subtitle_entry.h"

namespace lumetra {
namespace {

constexpr auto npos = std::string_view::npos;

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Where the markup that closes with `close` and holds no line break or `open` again ends,
// or npos.
std::size_t ClosedAt(std::string_view text, std::size_t from, char open, char close) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == close) {
      return i + 1;
    }
    if (text[i] == open || text[i] == kLineBreak) {
      return npos;
    }
  }
  return npos;
}

// The end of the markup that starts at `at`, or npos when none does; `lineStart` admits the
// codes that count only at the start of a display line.
std::size_t MarkupEnd(std::string_view text, std::size_t at, bool lineStart) {
  const auto next = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
  switch (text[at]) {
    case '<': {
      const std::size_t name = next(at + 1) == '/' ? at + 2 : at + 1;
      return IsAsciiLetter(next(name)) ? ClosedAt(text, name, '<', '>') : npos;
    }
    case '{':
      if (next(at + 1) == '\\') {
        return ClosedAt(text, at + 2, '{', '}');
      }
      if (lineStart && IsAsciiLetter(next(at + 1)) && next(at + 2) == ':') {
        return ClosedAt(text, at + 3, '{', '}');
      }
      return npos;
    case '/':
      return lineStart ? at + 1 : npos;
    default:
      return npos;
  }
}

}  // namespace

bool MayHoldMarkup(std::string_view text) {
  return FirstMatch(
             text.data(), text.size(),
             [](const char* p) { return Equal(p, '<', '{') | Equal(p, '/'); },
             [](const char* p) { return *p == '<' || *p == '{' || *p == '/'; }) != text.size();
}

std::vector<MarkupSpan> FindMarkup(std::string_view text) {
  std::vector<MarkupSpan> spans;
  bool lineStart = true;  // only markup since the start of the display line
  bool italicMarker = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t end = (text[i] == '/' && italicMarker) ? npos : MarkupEnd(text, i, lineStart);
    if (end == npos) {
      lineStart = text[i] == kLineBreak;
      italicMarker = false;
      ++i;
      continue;
    }
    italicMarker = italicMarker || text[i] == '/';
    spans.push_back({i, end});
    i = end;
  }
  return spans;
}

}  // namespace lumetra
