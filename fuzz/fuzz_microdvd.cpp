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
    OutputFile output("/tmp/lumetra-fuzz-microdvd-out.sub");
    SubtitleEntry entry;
    long long number = 0;
    while (!reader.atEnd()) {
      if (ReadMicroDvdEntry(reader, entry)) {
        WriteMicroDvdEntry(output, entry, 25, 23.976);
        WriteSubRipEntry(output, entry, ++number, 25, 1000, reader.atEnd());
      }
    }
  } catch (const SubtitleError&) {
  }
  return 0;
}
