#include "fuzz_reading.h"

#include <string_view>

#include "subtitle/entry_io.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/subtitle_input.h"
#include "subtitle/subtitle_output.h"
#include "subtitle/units.h"

namespace {

class DiscardingSink final : public lumetra::ByteSink {
 public:
  void write(std::string_view) override {}
};

}  // namespace

void FuzzReading(const std::uint8_t* data, std::size_t size, lumetra::SubtitleFormat format) {
  using namespace lumetra;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    // Detection and the frame-rate line first, as an operation opens its input.
    SubtitleInput input(LineReader(std::make_unique<MemorySource>(bytes)));
    LineReader& lines = input.lines();
    const long frameRateLine = input.frameRateLineNumber();
    const auto entries = Describe(format)->reader(lines, frameRateLine);
    DiscardingSink sink;
    SubtitleOutput microDvd(sink, SubtitleFormat::MicroDvd, input);
    SubtitleOutput subRip(sink, SubtitleFormat::SubRip, input);
    const UnitConversion toFrames(1000, 23.976);
    const UnitConversion toMilliseconds(25, 1000);
    SubtitleEntry entry;
    long long number = 0;
    for (EntryReader::Step step; (step = entries->next(entry)) != EntryReader::Step::End;) {
      if (step == EntryReader::Step::NoEntry) {
        continue;
      }
      SubtitleEntry frames = entry;
      const bool hasEnd = ConvertEntryTimes(frames, toFrames);
      microDvd.write(frames, hasEnd, ++number, false);
      ConvertEntryTimes(entry, toMilliseconds);
      subRip.write(entry, hasEnd, number, entries->atEnd());
    }
  } catch (const SubtitleError&) {
  }
}
