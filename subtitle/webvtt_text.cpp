#include "subtitle/webvtt_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace lumetra {
namespace {

void AppendUtf8(std::uint32_t code, std::string& out) {
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    code = 0xFFFD;
  }
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

// The named character references subtitles use: the three WebVTT names, the marks of
// direction and the Latin-1 and typographic names writers of HTML reach for.
struct NamedReference {
  std::string_view name;
  std::uint32_t code;
};
constexpr NamedReference kNamedReferences[] = {
    {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"nbsp", 0xA0},     {"lrm", 0x200E},
    {"rlm", 0x200F},   {"quot", '"'},     {"apos", '\''},    {"hellip", 0x2026}, {"ndash", 0x2013},
    {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"sbquo", 0x201A},  {"ldquo", 0x201C},
    {"rdquo", 0x201D}, {"bdquo", 0x201E}, {"laquo", 0xAB},   {"raquo", 0xBB},    {"copy", 0xA9},
    {"reg", 0xAE},     {"trade", 0x2122}, {"deg", 0xB0},     {"euro", 0x20AC},   {"pound", 0xA3},
    {"cent", 0xA2},    {"yen", 0xA5},     {"sect", 0xA7},    {"para", 0xB6},     {"middot", 0xB7},
    {"bull", 0x2022},  {"times", 0xD7},   {"divide", 0xF7},  {"iexcl", 0xA1},    {"iquest", 0xBF},
    {"shy", 0xAD},     {"zwnj", 0x200C},  {"zwj", 0x200D},   {"thinsp", 0x2009}, {"ensp", 0x2002},
    {"emsp", 0x2003},  {"Agrave", 0xC0},  {"Aacute", 0xC1},  {"Acirc", 0xC2},    {"Atilde", 0xC3},
    {"Auml", 0xC4},    {"Aring", 0xC5},   {"AElig", 0xC6},   {"Ccedil", 0xC7},   {"Egrave", 0xC8},
    {"Eacute", 0xC9},  {"Ecirc", 0xCA},   {"Euml", 0xCB},    {"Igrave", 0xCC},   {"Iacute", 0xCD},
    {"Icirc", 0xCE},   {"Iuml", 0xCF},    {"ETH", 0xD0},     {"Ntilde", 0xD1},   {"Ograve", 0xD2},
    {"Oacute", 0xD3},  {"Ocirc", 0xD4},   {"Otilde", 0xD5},  {"Ouml", 0xD6},     {"Oslash", 0xD8},
    {"Ugrave", 0xD9},  {"Uacute", 0xDA},  {"Ucirc", 0xDB},   {"Uuml", 0xDC},     {"Yacute", 0xDD},
    {"THORN", 0xDE},   {"szlig", 0xDF},   {"agrave", 0xE0},  {"aacute", 0xE1},   {"acirc", 0xE2},
    {"atilde", 0xE3},  {"auml", 0xE4},    {"aring", 0xE5},   {"aelig", 0xE6},    {"ccedil", 0xE7},
    {"egrave", 0xE8},  {"eacute", 0xE9},  {"ecirc", 0xEA},   {"euml", 0xEB},     {"igrave", 0xEC},
    {"iacute", 0xED},  {"icirc", 0xEE},   {"iuml", 0xEF},    {"eth", 0xF0},      {"ntilde", 0xF1},
    {"ograve", 0xF2},  {"oacute", 0xF3},  {"ocirc", 0xF4},   {"otilde", 0xF5},   {"ouml", 0xF6},
    {"oslash", 0xF8},  {"ugrave", 0xF9},  {"uacute", 0xFA},  {"ucirc", 0xFB},    {"uuml", 0xFC},
    {"yacute", 0xFD},  {"thorn", 0xFE},   {"yuml", 0xFF},    {"OElig", 0x152},   {"oelig", 0x153},
    {"Scaron", 0x160}, {"scaron", 0x161}, {"Yuml", 0x178},
};

// Decodes the reference at `text[0]` ('&') into `out`; returns how many bytes it took, 0
// when it is none (the '&' then stands for itself).
std::size_t DecodeReference(std::string_view text, std::string& out) {
  const std::size_t semicolon = text.find(';');
  if (semicolon == std::string_view::npos || semicolon < 2 || semicolon > 33) {
    return 0;
  }
  const std::string_view body = text.substr(1, semicolon - 1);
  if (body[0] == '#') {
    const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
    const std::string_view digits = body.substr(hex ? 2 : 1);
    std::uint32_t code = 0;
    const auto parsed =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (digits.empty() || parsed.ec != std::errc() || parsed.ptr != digits.data() + digits.size()) {
      return 0;
    }
    AppendUtf8(code, out);
    return semicolon + 1;
  }
  for (const NamedReference& reference : kNamedReferences) {
    if (reference.name == body) {
      AppendUtf8(reference.code, out);
      return semicolon + 1;
    }
  }
  return 0;
}

// The name of a tag: "b" for "<b.loud>", "/i" for "</i>", "v" for "<v Joe>".
std::string_view TagName(std::string_view tag) {
  const std::size_t end = tag.find_first_of(". \t");
  return tag.substr(0, end);
}

bool IsKeptTag(std::string_view name) {
  return name == "b" || name == "i" || name == "u" || name == "/b" || name == "/i" || name == "/u";
}

}  // namespace

void AppendWebVttCueLine(std::string_view line, std::string& out) {
  bool inRubyText = false;  // inside <rt>: its text is left out, the ruby base stays
  for (std::size_t i = 0; i < line.size();) {
    const char c = line[i];
    if (c == '<') {
      const std::size_t close = line.find('>', i + 1);
      if (close == std::string_view::npos) {
        break;  // a tag the line ends in holds no text
      }
      const std::string_view name = TagName(line.substr(i + 1, close - i - 1));
      if (name == "rt") {
        inRubyText = true;
      } else if (name == "/rt" || name == "/ruby") {
        inRubyText = false;
      } else if (IsKeptTag(name) && !inRubyText) {
        out += '<';
        out += name;
        out += '>';
      }
      i = close + 1;
      continue;
    }
    if (inRubyText) {
      ++i;
      continue;
    }
    if (c == '&') {
      if (const std::size_t taken = DecodeReference(line.substr(i), out)) {
        i += taken;
        continue;
      }
    }
    out += c;
    ++i;
  }
}

void AppendEscapedWebVttLine(std::string_view line, std::string& out) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '<') {
      const std::size_t close = line.find('>', i + 1);
      // SubRip writers also use capitals, which WebVTT does not know.
      std::string name(line.substr(i + 1, close == std::string_view::npos ? 0 : close - i - 1));
      for (char& letter : name) {
        letter = letter == 'B' || letter == 'I' || letter == 'U' ? static_cast<char>(letter + 32)
                                                                 : letter;
      }
      if (close != std::string_view::npos && IsKeptTag(name)) {
        out += '<' + name + '>';
        i = close;
        continue;
      }
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '&') {
      out += "&amp;";
    } else {
      out += c;
    }
  }
}

}  // namespace lumetra
