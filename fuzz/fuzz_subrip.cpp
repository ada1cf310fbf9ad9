// Any input either reads to its end or stops with a SubtitleError; every entry read is
// written back, into a discarded output, so the writer sees what the reader can produce.
#include "reader_input.h"
#include "subtitle/microdvd.h"
#include "subtitle/subrip.h"
#include "subtitle/subtitle_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumetra;
  try {
    TextReader reader(WriteFuzzInput(data, size));
    OutputFile output("/tmp/lumetra-fuzz-subrip-out.srt");
    SubtitleEntry entry;
    long long number = 0;
    while (!reader.atEnd()) {
      ReadSubRipEntry(reader, entry);
      WriteSubRipEntry(output, entry, ++number, 1000, 1000, reader.atEnd());
      WriteMicroDvdEntry(output, entry, 1000, 29.97);
    }
  } catch (const SubtitleError&) {
  }
  return 0;
}
