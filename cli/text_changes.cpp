#include "cli/text_changes.h"

#include <algorithm>

#include "subtitle/subrip.h"
#include "subtitle/subtitle_entry.h"

namespace lumetra::cli {
namespace {

std::string WithBars(std::string text) {
  std::replace(text.begin(), text.end(), kLineBreak, '|');
  return text;
}

}  // namespace

std::string ChangeLine(const TextChange& change) {
  return std::to_string(change.entryNumber) + '\t' + SubRipTime(change.startMs) + '\t' +
         WithBars(change.before) + '\t' + (change.dropped ? "(dropped)" : WithBars(change.after));
}

}  // namespace lumetra::cli
