#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace lumetra {

// A piece of an entry text that is markup, not text: [begin, end) in bytes.
struct MarkupSpan {
  std::size_t begin;
  std::size_t end;
};

// The markup of one entry text, in order: HTML-like tags ("<i>", "</i>", "<font color=x>"),
// override blocks in braces ("{\an8}", "{\i1}"), and at the start of a display line MicroDVD
// control codes ("{y:i}", "{c:$0000ff}") and one "/" italic marker. A "<" or "{" that does
// not open one of these is text.
std::vector<MarkupSpan> FindMarkup(std::string_view text);

// Whether `text` holds a character that may open markup; most texts do not, and need no
// search.
bool MayHoldMarkup(std::string_view text);

}  // namespace lumetra
