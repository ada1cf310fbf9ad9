#include "reader_support.h"

#include "subtitle/entry_io.h"
#include "subtitle/subtitle_input.h"

namespace lumetra::testing {

std::vector<SubtitleEntry> ReadAll(const std::string& content, SubtitleFormat format) {
  SubtitleInput input(LineReader(std::make_unique<MemorySource>(content)));
  const long frameRateLine = input.frameRateLineNumber();
  const auto reader = Describe(format)->reader(input.lines(), frameRateLine);
  std::vector<SubtitleEntry> entries;
  SubtitleEntry entry;
  for (EntryReader::Step step; (step = reader->next(entry)) != EntryReader::Step::End;) {
    if (step == EntryReader::Step::Entry) {
      entries.push_back(entry);
    }
  }
  return entries;
}

std::string WithLineBreaks(const std::string& content, const std::string& lineBreak) {
  std::string converted;
  for (const char c : content) {
    if (c == '\n') {
      converted += lineBreak;
    } else {
      converted += c;
    }
  }
  return converted;
}

}  // namespace lumetra::testing

namespace lumetra::testing {

std::string Show(const std::vector<SubtitleEntry>& entries) {
  std::string shown;
  for (const SubtitleEntry& entry : entries) {
    if (!shown.empty()) {
      shown += " ; ";
    }
    shown += std::to_string(static_cast<long long>(entry.start)) + " " +
             std::to_string(static_cast<long long>(entry.end)) + " ";
    for (const char c : entry.text) {
      shown += c == kLineBreak ? '/' : c;
    }
  }
  return shown;
}

}  // namespace lumetra::testing
