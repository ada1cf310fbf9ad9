#pragma once

#include <string>
#include <vector>

#include "subtitle/entry_io.h"
#include "subtitle/format.h"
#include "subtitle/subtitle_entry.h"

namespace lumetra::testing {

// Reads every entry of `content` with the reader of `format`, as the operation loop does,
// after the input's own look at its opening lines. Throws SubtitleError like the readers.
std::vector<SubtitleEntry> ReadAll(const std::string& content, SubtitleFormat format);

// The same content with every LF line break written as `lineBreak` ("\r\n", "\r").
std::string WithLineBreaks(const std::string& content, const std::string& lineBreak);

}  // namespace lumetra::testing

namespace lumetra::testing {

// Keeps everything written to it.
class CollectingSink final : public ByteSink {
 public:
  void write(std::string_view bytes) override { text.append(bytes); }
  std::string text;
};

// Entries as one line for comparing: "start end text" joined by " ; ", line breaks inside a
// text shown as "/".
std::string Show(const std::vector<SubtitleEntry>& entries);

}  // namespace lumetra::testing
