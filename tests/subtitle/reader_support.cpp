#include "reader_support.h"

#include "subtitle/microdvd.h"
#include "subtitle/subrip.h"
#include "subtitle/text_reader.h"
#include "support/temp_dir.h"

namespace lumetra::testing {

std::vector<SubtitleEntry> ReadAll(const std::string& content, SubtitleFormat format) {
  TempDir dir;
  TextReader reader(dir.write("input", content));
  std::vector<SubtitleEntry> entries;
  SubtitleEntry entry;
  while (!reader.atEnd()) {
    if (format == SubtitleFormat::MicroDvd) {
      if (ReadMicroDvdEntry(reader, entry)) {
        entries.push_back(entry);
      }
    } else {
      ReadSubRipEntry(reader, entry);
      entries.push_back(entry);
    }
  }
  return entries;
}

}  // namespace lumetra::testing
