#include "operations/comment_scan.h"

#include <algorithm>
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

constexpr std::string_view kNotes[] = {"\xE2\x99\xAA", "\xE2\x99\xAB"};  // ♪ ♫
// What a display line may hold and still be left over from comments: besides spaces,
// dashes and ASCII punctuation, these UTF-8 marks.
constexpr std::string_view kDebrisMarks[] = {"\xE2\x80\xA6", "\xE2\x80\x93", "\xE2\x80\x94",
                                             "\xC2\xA1",     "\xC2\xBF",  // … – — ¡ ¿
                                             kNotes[0],      kNotes[1]};

bool IsAsciiPunctuation(char c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
         (c >= '{' && c <= '~');
}

// The length of the debris mark at the start of `rest`, or 0 when none stands there.
std::size_t DebrisAt(std::string_view rest) {
  if (rest.front() == ' ' || IsAsciiPunctuation(rest.front())) {
    return 1;
  }
  for (const std::string_view mark : kDebrisMarks) {
    if (rest.starts_with(mark)) {
      return mark.size();
    }
  }
  return 0;
}

// The name of an HTML-like tag ("i" of "<i>", "</i>" and "font" of "<font color=x>"), or ""
// for other markup.
std::string_view TagName(std::string_view tag) {
  if (tag.size() < 3 || tag.front() != '<') {
    return {};
  }
  const std::size_t from = tag[1] == '/' ? 2 : 1;
  const std::size_t stop = tag.find_first_of(" >", from);
  return tag.substr(from, stop - from);
}

// Removes each opening tag that its closing tag follows with nothing but spaces between,
// innermost first: "<b><i></i></b>" goes whole. One pass, however many pairs the line holds.
std::string WithoutEmptyTagPairs(std::string_view line) {
  std::string kept;
  std::vector<std::pair<std::size_t, std::string_view>> open;  // where in `kept`, which name
  std::size_t from = 0;
  const auto keepText = [&](std::string_view text) {
    if (text.find_first_not_of(' ') != npos) {
      open.clear();  // what follows has something to hold
    }
    kept += text;
  };
  for (const MarkupSpan& span : FindMarkup(line)) {
    keepText(line.substr(from, span.begin - from));
    const std::string_view tag = line.substr(span.begin, span.end - span.begin);
    const std::string_view name = TagName(tag);
    if (tag.starts_with("</") && !open.empty() && open.back().second == name) {
      kept.resize(open.back().first);
      open.pop_back();
    } else if (!name.empty() && tag[1] != '/') {
      open.emplace_back(kept.size(), name);
      kept += tag;
    } else {
      open.clear();
      kept += tag;
    }
    from = span.end;
  }
  keepText(line.substr(from));
  return kept;
}

// Whether the line holds nothing but debris marks besides its markup.
bool IsDebris(std::string_view line) {
  const std::vector<MarkupSpan> spans =
      MayHoldMarkup(line) ? FindMarkup(line) : std::vector<MarkupSpan>{};
  std::size_t span = 0;
  for (std::size_t i = 0; i < line.size();) {
    if (span < spans.size() && spans[span].begin == i) {
      i = spans[span++].end;
      continue;
    }
    const std::size_t mark = DebrisAt(line.substr(i));
    if (mark == 0) {
      return false;
    }
    i += mark;
  }
  return true;
}

// Empties every display line that holds a music note; returns how many.
long long RemoveMusicLines(std::string& text) {
  if (Find(text, kNotes[0], 0) == npos && Find(text, kNotes[1], 0) == npos) {
    return 0;
  }
  long long lines = 0;
  std::string kept;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t stop = text.find(kLineBreak, start);
    stop = stop == npos ? text.size() : stop;
    const std::string_view line(text.data() + start, stop - start);
    if (start != 0) {
      kept += kLineBreak;
    }
    if (line.find(kNotes[0]) != npos || line.find(kNotes[1]) != npos) {
      ++lines;
    } else {
      kept += line;
    }
    start = stop + 1;
  }
  text = kept;
  return lines;
}

// Whether `text` may hold a comment or anything to clean up; most texts do not.
bool MayNeedWork(std::string_view text, const CommentKinds& kinds) {
  if (text.empty()) {
    return false;
  }
  const auto atEnd = [](char c) { return c == kLineBreak || c == ' '; };
  if (atEnd(text.front()) || atEnd(text.back()) || FindDoubleLineBreak(text) != npos) {
    return true;
  }
  for (const CommentPair& pair : kinds.pairs) {
    if (FindByte(text, pair.begin.front(), 0) != npos) {
      return true;
    }
  }
  return kinds.musicLines && FindByte(text, kNotes[0].front(), 0) != npos;
}

}  // namespace

long long CommentScanner::remove(std::string& text) {
  if (!MayNeedWork(text, kinds_)) {
    return 0;
  }
  long long comments = kinds_.musicLines ? RemoveMusicLines(text) : 0;
  comments += scan(text, out_);
  if (comments != 0) {
    removeDebris(out_);
  }
  text.swap(out_);
  CleanUp(text);
  return comments;
}

long long CommentScanner::scan(std::string_view text, std::string& out) {
  out.clear();
  touchedLines_.clear();
  markup_.clear();
  if (MayHoldMarkup(text)) {
    markup_ = FindMarkup(text);
  }
  std::vector<std::size_t>& nextBegin = nextBegin_;  // where each pair begins next
  nextBegin.clear();
  for (const CommentPair& pair : kinds_.pairs) {
    nextBegin.push_back(Find(text, pair.begin, 0));
  }
  std::size_t nextSpan = 0;
  const CommentPair* open = nullptr;  // the pair of the comment being removed
  std::size_t closeAt = 0;
  bool afterComment = false;
  std::size_t line = 0;
  std::size_t linesCounted = 0;  // how much of `out` `line` has counted
  long long comments = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t spanAt = nextSpan < markup_.size() ? markup_[nextSpan].begin : text.size();
    if (i == spanAt) {  // markup stays, inside a comment too
      out.append(text.substr(i, markup_[nextSpan].end - i));
      i = markup_[nextSpan++].end;
      continue;
    }
    if (open != nullptr) {
      if (closeAt < i) {
        closeAt = Find(text, open->end, i);
      }
      if (closeAt == npos || closeAt >= spanAt) {
        i = spanAt;  // the end of the text, or markup, which stays
        continue;
      }
      i = closeAt + open->end.size();
      open = nullptr;
      afterComment = true;
      continue;
    }
    if (afterComment) {
      afterComment = false;
      if (text[i] == ' ') {
        ++i;  // the one space after a comment goes with it
        continue;
      }
    }
    std::size_t begin = npos;
    for (std::size_t k = 0; k < kinds_.pairs.size(); ++k) {
      if (nextBegin[k] != npos && nextBegin[k] < i) {
        nextBegin[k] = Find(text, kinds_.pairs[k].begin, i);
      }
      if (nextBegin[k] < begin) {
        begin = nextBegin[k];
        open = &kinds_.pairs[k];
      }
    }
    const std::size_t stop = std::min(begin, spanAt);
    out.append(text.substr(i, stop - i));
    i = stop;
    if (begin >= spanAt) {
      open = nullptr;  // markup first; a begin inside it opens nothing
      continue;
    }
    ++comments;
    line += static_cast<std::size_t>(
        std::count(out.begin() + static_cast<long>(linesCounted), out.end(), kLineBreak));
    linesCounted = out.size();
    touchedLines_.resize(std::max(touchedLines_.size(), line + 1));
    touchedLines_[line] = true;
    i += open->begin.size();
    closeAt = Find(text, open->end, i);
  }
  return comments;
}

void CommentScanner::removeDebris(std::string& text) {
  kept_.clear();
  std::size_t start = 0;
  for (std::size_t line = 0; start <= text.size(); ++line) {
    std::size_t stop = text.find(kLineBreak, start);
    stop = stop == npos ? text.size() : stop;
    const std::string_view part(text.data() + start, stop - start);
    if (start != 0) {
      kept_ += kLineBreak;
    }
    if (line >= touchedLines_.size() || !touchedLines_[line]) {
      kept_ += part;
    } else if (part.find('<') != npos) {
      const std::string left = WithoutEmptyTagPairs(part);
      kept_ += IsDebris(left) ? std::string_view() : std::string_view(left);
    } else if (!IsDebris(part)) {
      kept_ += part;
    }
    start = stop + 1;
  }
  text.swap(kept_);
}

long long RemoveComments(std::string& text, const CommentKinds& kinds) {
  return CommentScanner(kinds).remove(text);
}

long long RemoveComments(std::string_view text, std::string_view begin, std::string_view end,
                         std::string& remaining) {
  remaining.assign(text);
  const CommentKinds kinds{{{std::string(begin), std::string(end)}}, false};
  return RemoveComments(remaining, kinds);
}

}  // namespace lumetra
