#include "subtitle/styling.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "subtitle/subtitle_entry.h"

namespace lumetra {
namespace {

constexpr std::array<char, 3> kStyles = {'i', 'b', 'u'};

// Which of italic, bold and underline apply.
struct StyleSet {
  std::array<bool, 3> on{};
  bool empty() const { return !on[0] && !on[1] && !on[2]; }
  bool operator==(const StyleSet&) const = default;
};

int StyleIndex(char letter) {
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  for (std::size_t i = 0; i < kStyles.size(); ++i) {
    if (kStyles[i] == lower) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// Calls `onLine` with each display line of `text`, in order.
template <class OnLine>
void ForEachLine(std::string_view text, OnLine onLine) {
  for (std::size_t at = 0;;) {
    const std::size_t end = text.find(kLineBreak, at);
    onLine(text.substr(at, end == std::string_view::npos ? end : end - at));
    if (end == std::string_view::npos) {
      return;
    }
    at = end + 1;
  }
}

// A MicroDVD control code at `line[at]`: "{", a letter, ":", its value and "}". Returns its
// length, 0 when there is none.
std::size_t CodeLength(std::string_view line, std::size_t at) {
  if (line.size() - at < 4 || line[at] != '{' ||
      !std::isalpha(static_cast<unsigned char>(line[at + 1])) || line[at + 2] != ':') {
    return 0;
  }
  const std::size_t close = line.find('}', at + 3);
  return close == std::string_view::npos ? 0 : close - at + 1;
}

// The styles a "y" or "Y" code's value names: "i", "b,i", "ib".
void AddStyles(std::string_view value, StyleSet& styles) {
  for (const char letter : value) {
    if (const int index = StyleIndex(letter); index >= 0) {
      styles.on[static_cast<std::size_t>(index)] = true;
    }
  }
}

void Open(const StyleSet& styles, std::string& out) {
  for (std::size_t i = 0; i < kStyles.size(); ++i) {
    if (styles.on[i]) {
      out += '<';
      out += kStyles[i];
      out += '>';
    }
  }
}

void Close(const StyleSet& styles, std::string& out) {
  for (std::size_t i = kStyles.size(); i-- > 0;) {
    if (styles.on[i]) {
      out += "</";
      out += kStyles[i];
      out += '>';
    }
  }
}

// A tag of the three at `line[at]`: its style, and whether it ends it; 0 length for none.
struct Tag {
  std::size_t length = 0;
  int style = -1;
  bool closes = false;
};
Tag TagAt(std::string_view line, std::size_t at) {
  Tag tag;
  if (line[at] != '<') {
    return tag;
  }
  tag.closes = at + 1 < line.size() && line[at + 1] == '/';
  const std::size_t letter = at + (tag.closes ? 2 : 1);
  if (letter + 1 < line.size() && line[letter + 1] == '>' &&
      (tag.style = StyleIndex(line[letter])) >= 0) {
    tag.length = letter + 2 - at;
  }
  return tag;
}

// Walks one MicroDVD display line as its codes read: `onCode(kind, value)` for each control
// code, `onItalicLine()` for a "/" before the line's text, `onText(run)` for each run of text
// between them.
template <class OnCode, class OnItalicLine, class OnText>
void WalkCodes(std::string_view line, OnCode onCode, OnItalicLine onItalicLine, OnText onText) {
  bool atStart = true;  // no text yet: a "/" here marks the line italic
  std::size_t run = 0;
  for (std::size_t at = 0; at < line.size();) {
    if (const std::size_t length = CodeLength(line, at)) {
      onText(line.substr(run, at - run));
      onCode(line[at + 1], line.substr(at + 3, length - 4));
      run = at += length;
    } else if (atStart && line[at] == '/') {
      onText(line.substr(run, at - run));
      onItalicLine();
      run = ++at;
      atStart = false;
    } else {
      atStart = false;
      // Only a "{" can begin a code now.
      at = std::min(line.size(), line.find('{', at + 1));
    }
  }
  onText(line.substr(run));
}

// Walks one display line as its tags read, carrying `open` (the styles tags have opened and
// not closed) across lines: `onText(run)` for each run of text between tags. Returns the
// styles every character of the line's text has; `hasText` tells whether it has any.
template <class OnText>
StyleSet WalkTags(std::string_view line, StyleSet& open, bool& hasText, OnText onText) {
  StyleSet style;
  hasText = false;
  std::size_t run = 0;
  const auto text = [&](std::size_t end) {
    if (end > run) {
      for (std::size_t i = 0; i < kStyles.size(); ++i) {
        style.on[i] = (!hasText || style.on[i]) && open.on[i];
      }
      hasText = true;
      onText(line.substr(run, end - run));
    }
  };
  for (std::size_t at = line.find('<'); at != std::string_view::npos; at = line.find('<', at + 1)) {
    if (const Tag tag = TagAt(line, at); tag.length != 0) {
      text(at);
      open.on[static_cast<std::size_t>(tag.style)] = !tag.closes;
      run = at + tag.length;
      at = run - 1;
    }
  }
  text(line.size());
  return style;
}

}  // namespace

void TagsFromCodes(std::string_view text, std::string& out) {
  // Without a "{" there is no code and without a "/" no italic line: the text stays as it is.
  if (text.find('{') == std::string_view::npos && text.find('/') == std::string_view::npos) {
    out.assign(text);
    return;
  }
  // A {y:…} may stand in any line and styles them all.
  StyleSet whole;
  ForEachLine(text, [&](std::string_view line) {
    WalkCodes(
        line,
        [&](char kind, std::string_view value) {
          if (kind == 'y') {
            AddStyles(value, whole);
          }
        },
        [] {}, [](std::string_view) {});
  });
  out.clear();
  bool first = true;
  ForEachLine(text, [&](std::string_view line) {
    if (!first) {
      out += kLineBreak;
    }
    first = false;
    StyleSet styles = whole;
    std::size_t textLength = 0;
    WalkCodes(
        line,
        [&](char kind, std::string_view value) {
          if (kind == 'Y') {
            AddStyles(value, styles);
          }
        },
        [&] { styles.on[0] = true; },  // an italic line
        [&](std::string_view run) { textLength += run.size(); });
    if (textLength == 0) {
      return;  // an empty line gets no tags
    }
    Open(styles, out);
    WalkCodes(
        line, [](char, std::string_view) {}, [] {}, [&](std::string_view run) { out += run; });
    Close(styles, out);
  });
}

void CodesFromTags(std::string_view text, std::string& out) {
  // Without a "<" there is no tag: the text stays as it is.
  if (text.find('<') == std::string_view::npos) {
    out.assign(text);
    return;
  }
  // Lines without text carry no style, so they do not part a style all others share.
  StyleSet open;
  const StyleSet* shared = nullptr;
  StyleSet first;
  bool same = true;
  ForEachLine(text, [&](std::string_view line) {
    bool hasText = false;
    const StyleSet style = WalkTags(line, open, hasText, [](std::string_view) {});
    if (hasText) {
      if (shared == nullptr) {
        first = style;
        shared = &first;
      }
      same = same && style == *shared;
    }
  });
  out.clear();
  const auto codes = [&out](const StyleSet& style, char kind) {
    for (std::size_t i = 0; i < kStyles.size(); ++i) {
      if (style.on[i]) {
        out += '{';
        out += kind;
        out += ':';
        out += kStyles[i];
        out += '}';
      }
    }
  };
  if (same && shared) {
    codes(*shared, 'y');
  }
  open = StyleSet{};
  bool firstLine = true;
  ForEachLine(text, [&](std::string_view line) {
    if (!firstLine) {
      out += kLineBreak;
    }
    firstLine = false;
    if (!same) {
      StyleSet ahead = open;  // the line's style comes before its text
      bool hasText = false;
      codes(WalkTags(line, ahead, hasText, [](std::string_view) {}), 'Y');
    }
    bool hasText = false;
    WalkTags(line, open, hasText, [&](std::string_view run) { out += run; });
  });
}

}  // namespace lumetra
