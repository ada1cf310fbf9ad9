#include "subtitle/styling.h"

#include <array>
#include <cctype>
#include <vector>

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

std::vector<std::string_view> DisplayLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t at = 0;;) {
    const std::size_t end = text.find(kLineBreak, at);
    lines.push_back(text.substr(at, end == std::string_view::npos ? end : end - at));
    if (end == std::string_view::npos) {
      return lines;
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

void Wrap(std::string_view text, const StyleSet& styles, std::string& out) {
  if (text.empty()) {
    return;
  }
  for (std::size_t i = 0; i < kStyles.size(); ++i) {
    if (styles.on[i]) {
      out += '<';
      out += kStyles[i];
      out += '>';
    }
  }
  out += text;
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

}  // namespace

std::string TagsFromCodes(std::string_view text) {
  const std::vector<std::string_view> lines = DisplayLines(text);
  StyleSet whole;  // {y:…} anywhere
  std::vector<StyleSet> own(lines.size());
  std::vector<std::string> plain(lines.size());
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string_view line = lines[n];
    bool atStart = true;
    for (std::size_t at = 0; at < line.size();) {
      if (const std::size_t length = CodeLength(line, at)) {
        const char kind = line[at + 1];
        const std::string_view value = line.substr(at + 3, length - 4);
        if (kind == 'y') {
          AddStyles(value, whole);
        } else if (kind == 'Y') {
          AddStyles(value, own[n]);
        }
        at += length;
        continue;
      }
      if (atStart && line[at] == '/') {
        own[n].on[0] = true;  // an italic line
        ++at;
        atStart = false;
        continue;
      }
      atStart = false;
      plain[n] += line[at++];
    }
  }
  std::string out;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (n > 0) {
      out += kLineBreak;
    }
    StyleSet styles = own[n];
    for (std::size_t i = 0; i < kStyles.size(); ++i) {
      styles.on[i] = styles.on[i] || whole.on[i];
    }
    Wrap(plain[n], styles, out);
  }
  return out;
}

std::string CodesFromTags(std::string_view text) {
  const std::vector<std::string_view> lines = DisplayLines(text);
  std::vector<StyleSet> styles(lines.size());
  std::vector<std::string> plain(lines.size());
  StyleSet open;  // what tags have opened and not yet closed, across lines
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string_view line = lines[n];
    bool atStart = true;
    for (std::size_t at = 0; at < line.size();) {
      if (const Tag tag = TagAt(line, at); tag.length != 0) {
        open.on[static_cast<std::size_t>(tag.style)] = !tag.closes;
        at += tag.length;
        continue;
      }
      // A line has the styles every character of its text has.
      for (std::size_t i = 0; i < kStyles.size(); ++i) {
        styles[n].on[i] = (atStart || styles[n].on[i]) && open.on[i];
      }
      atStart = false;
      plain[n] += line[at++];
    }
  }
  // Lines without text carry no style, so they do not part a style all others share.
  const StyleSet* shared = nullptr;
  bool same = true;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (!plain[n].empty()) {
      shared = shared ? shared : &styles[n];
      same = same && styles[n] == *shared;
    }
  }
  std::string out;
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
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (n > 0) {
      out += kLineBreak;
    }
    if (!same) {
      codes(styles[n], 'Y');
    }
    out += plain[n];
  }
  return out;
}

}  // namespace lumetra
