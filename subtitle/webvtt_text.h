#pragma once

#include <string>
#include <string_view>

namespace lumetra {

// One line of WebVTT cue text as the program holds text: character references decoded,
// <b> <i> <u> kept as SubRip has them, every other tag taken away with the text of <rt>
// (the ruby base stays) and inline timestamps. Appended to `out`.
void AppendWebVttCueLine(std::string_view line, std::string& out);

// One display line as WebVTT cue text: "&", "<" and ">" escaped except in the tags
// <b> <i> <u> and their ends. Appended to `out`.
void AppendEscapedWebVttLine(std::string_view line, std::string& out);

}  // namespace lumetra
