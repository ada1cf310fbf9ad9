#include <gtest/gtest.h>

#include "subtitle/styling.h"

namespace lumetra {
namespace {

struct StylingCase {
  const char* name;
  const char* from;
  const char* to;  // "\n" parts display lines
};

const StylingCase kCodesToTags[] = {
    {"plain text stays", "Hello\nworld", "Hello\nworld"},
    {"whole text italic", "{y:i}Hello\nworld", "<i>Hello</i>\n<i>world</i>"},
    {"one line bold", "Hello\n{Y:b}world", "Hello\n<b>world</b>"},
    {"several styles in one code", "{y:b,u}x", "<b><u>x</u></b>"},
    {"slash before an italic line", "/Hello\nworld", "<i>Hello</i>\nworld"},
    {"other codes left out", "{c:$0000FF}{f:Arial}{P:10,20}Hi {s:12}there", "Hi there"},
    {"braces that are no code stay", "{100} and {x}", "{100} and {x}"},
    {"an empty line gets no tags", "{y:i}a\n\nb", "<i>a</i>\n\n<i>b</i>"},
};

TEST(Styling, MicroDvdCodesBecomeTags) {
  for (const StylingCase& c : kCodesToTags) {
    std::string out = "earlier entry";
    TagsFromCodes(c.from, out);
    EXPECT_EQ(out, c.to) << c.name;
  }
}

const StylingCase kTagsToCodes[] = {
    {"plain text stays", "Hello\nworld", "Hello\nworld"},
    {"every line italic", "<i>Hello</i>\n<i>world</i>", "{y:i}Hello\nworld"},
    {"one tag across lines", "<i>Hello\nworld</i>", "{y:i}Hello\nworld"},
    {"only one line bold", "Hello\n<B>world</B>", "Hello\n{Y:b}world"},
    {"part of a line has no code", "<i>Tom</i> and Jerry", "Tom and Jerry"},
    {"other tags stay", "<font color=\"red\">x</font>", "<font color=\"red\">x</font>"},
    {"an empty line does not part a shared style", "<u>a</u>\n\n<u>b</u>", "{y:u}a\n\nb"},
};

TEST(Styling, TagsBecomeMicroDvdCodes) {
  for (const StylingCase& c : kTagsToCodes) {
    std::string out = "earlier entry";
    CodesFromTags(c.from, out);
    EXPECT_EQ(out, c.to) << c.name;
  }
}

}  // namespace
}  // namespace lumetra
