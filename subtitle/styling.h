#pragma once

#include <string>
#include <string_view>

namespace lumetra {

// How a format marks italic, bold and underlined text.
enum class Styling {
  Codes,  // MicroDVD: {y:i} for the whole text, {Y:i} for one line, "/" before an italic line
  Tags,   // SubRip and WebVTT: <i> <b> <u> and their ends
};

// A MicroDVD text with its style codes as tags, each display line wrapped in its own; other
// codes (colour, font, size, position) are left out. `out` is replaced; its storage is kept
// from one entry to the next.
void TagsFromCodes(std::string_view text, std::string& out);

// A text with tags as MicroDVD codes: a style every display line has is one {y:…} before the
// text, one only some lines have a {Y:…} before each of them. Tags around part of a line have
// no code and are left out. `out` is replaced.
void CodesFromTags(std::string_view text, std::string& out);

}  // namespace lumetra
