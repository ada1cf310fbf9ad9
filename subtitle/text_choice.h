#pragma once

#include <string>

namespace lumetra {

// How the text of an input is taken and written out.
struct TextChoice {
  std::string inputEncoding;  // a code page iconv knows, in place of the one detected; "": detect
  bool writeUtf8 = false;     // the output in UTF-8, decoded from the input's code page
};

}  // namespace lumetra
