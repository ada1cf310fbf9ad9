#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "subtitle/entry_io.h"
#include "subtitle/line_reader.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/webvtt.h"

namespace {

class DiscardingSink final : public lumetra::ByteSink {
 public:
  void write(std::string_view) override {}
};

}  // namespace

// Reads every cue with the WebVTT reader, whatever the input starts with, and writes each one
// back as WebVTT: any input must read to its end or stop with a SubtitleError.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumetra;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    LineReader lines(std::make_unique<MemorySource>(bytes));
    const auto entries = WebVttFormat().reader(lines, 0);
    DiscardingSink sink;
    const auto writer = WebVttFormat().writer(sink);
    SubtitleEntry entry;
    for (EntryReader::Step step; (step = entries->next(entry)) != EntryReader::Step::End;) {
      if (step == EntryReader::Step::Entry) {
        writer->write(entry, true, 1, entries->atEnd());
      }
    }
  } catch (const SubtitleError&) {
  }
  return 0;
}
