#include "operations/fit_timing.h"

#include <algorithm>
#include <cmath>

#include "subtitle/subtitle_input.h"

namespace lumetra {

SubtitleTiming ReadSubtitleTiming(const std::string& path, std::optional<double> frameRate,
                                  const std::vector<long long>& entriesAsked) {
  SubtitleInput input(path);
  SubtitleTiming timing;
  const ListedFrameRate* declared = input.listedFrameRate();
  const double rate =
      frameRate.value_or(declared ? declared->value : kFrameRates[kDefaultFrameRatePosition].value);
  timing.unitsPerSecond = UnitsPerSecond(input.format(), rate);
  timing.starts.resize(entriesAsked.size());
  EntryReader& entries = input.entries();
  SubtitleEntry entry;
  long long number = 0;
  for (;;) {
    const EntryReader::Step step = entries.next(entry);
    if (step == EntryReader::Step::End) {
      break;
    }
    ++number;  // numbered as the operations number the entries they write
    if (step == EntryReader::Step::NoEntry) {
      continue;
    }
    const double start = entry.start / timing.unitsPerSecond;
    const double end = entry.end != 0 ? entry.end / timing.unitsPerSecond : start + 2;
    timing.spans.push_back({start, std::max(start, end)});
    for (std::size_t i = 0; i < entriesAsked.size(); ++i) {
      if (entriesAsked[i] == number) {
        timing.starts[i] = start;
      }
    }
  }
  return timing;
}

std::vector<std::uint8_t> SignalOf(const std::vector<TimedSpan>& spans) {
  double last = 0;
  for (const TimedSpan& span : spans) {
    last = std::max(last, std::min(span.end, kLongestMovieSeconds));
  }
  std::vector<std::uint8_t> signal(static_cast<std::size_t>(std::ceil(last * 100)));
  for (const TimedSpan& span : spans) {
    const auto from = static_cast<std::size_t>(std::max(0.0, std::round(span.start * 100)));
    const auto to = std::min(signal.size(), static_cast<std::size_t>(std::round(span.end * 100)));
    for (std::size_t i = from; i < to; ++i) {
      signal[i] = 1;
    }
  }
  return signal;
}

}  // namespace lumetra
