#include "operations/split.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "files/output_group.h"
#include "operations/existing_outputs.h"
#include "subtitle/entry_io.h"
#include "subtitle/paths.h"
#include "subtitle/subtitle_input.h"
#include "subtitle/subtitle_output.h"
#include "subtitle/units.h"

namespace lumetra {
namespace {

constexpr const char* kActivity = "splitting...";

// The segment files of one run, numbered from 1: all get their names together at the end,
// or none does.
class SegmentFiles {
 public:
  SegmentFiles(const CommonParams& params, SubtitleFormat format, const SubtitleInput& input)
      : inputPath_(params.inputPath), folder_(params.outputFolder), format_(format), input_(input) {
    open();
  }

  SubtitleOutput& current() { return *output_; }
  long long number() const { return number_; }

  void next() { open(); }

  OutputGroup& group() { return files_; }

 private:
  void open() {
    ++number_;
    OutputFile& file = files_.begin(
        OutputPath(inputPath_, " - " + std::to_string(number_), FormatExtension(format_), folder_));
    // Every part declares the frame rate of the whole, where its format can.
    output_ = std::make_unique<SubtitleOutput>(file, format_, input_);
  }

  std::string inputPath_;
  std::string folder_;
  SubtitleFormat format_;
  const SubtitleInput& input_;
  long long number_ = 0;
  OutputGroup files_;
  std::unique_ptr<SubtitleOutput> output_;
};

struct SplitRun {
  UnitConversion toOutput{1, 1};
  double segmentLength;   // L, in input units
  double segmentEndMs;    // where a SubRip block that spans a cut ends
  long long maxSegments;  // N
  bool subRipOutput;
};

// Writes an entry already shifted into its segment, in the output's units; `endMs` replaces
// its end. Times before the segment's start are written as 0 by the writer.
void WriteShifted(SubtitleOutput& output, SubtitleEntry& entry, bool hasEnd, long long number,
                  const SplitRun& run, bool last, std::optional<double> endMs = std::nullopt) {
  const double start = entry.start;
  const double end = entry.end;
  entry.start = run.toOutput(start);
  entry.end = endMs ? *endMs : run.toOutput(end);
  output.write(entry, hasEnd, number, last);
  entry.start = start;
  entry.end = end;
}

// Places the entries read, already shifted into the segment being written. An entry that
// spans the cut is written up to the cut here, and its rest waits for the next segment: the
// entries read after it may still start before the cut (two speakers overlap), and they
// belong in this segment too.
class SegmentPlacer {
 public:
  SegmentPlacer(SegmentFiles& segments, const SplitRun& run) : segments_(segments), run_(run) {}

  void place(SubtitleEntry& entry, bool hasEnd, long long number, bool last) {
    if (segments_.number() < run_.maxSegments && hasEnd && entry.end > run_.segmentLength &&
        entry.start < run_.segmentLength) {
      WriteShifted(segments_.current(), entry, true, number, run_, last,
                   run_.subRipOutput ? std::optional<double>(run_.segmentEndMs) : std::nullopt);
      rests_.push_back({0, entry.end - run_.segmentLength, entry.text});
      return;
    }
    WriteShifted(segments_.current(), entry, hasEnd, number, run_, last);
  }

  // Begins the next segment with the rests of the entries that ran across the cut; returns
  // the number of the next block there. `last`: no entry of the input follows the rests.
  long long advance(bool last) {
    segments_.next();
    long long number = 1;
    std::vector<SubtitleEntry> rests = std::move(rests_);
    rests_.clear();
    for (SubtitleEntry& rest : rests) {
      // A rest may reach past the next cut as well.
      place(rest, true, number++, last && &rest == &rests.back());
    }
    return number;
  }

  bool restsWaiting() const { return !rests_.empty(); }

 private:
  SegmentFiles& segments_;
  const SplitRun& run_;
  std::vector<SubtitleEntry> rests_;
};

void SplitEntries(EntryReader& entries, SegmentFiles& segments, const SplitRun& run) {
  SegmentPlacer placer(segments, run);
  long long entryNumber = 0;
  SubtitleEntry entry;
  for (EntryReader::Step step; (step = entries.next(entry)) != EntryReader::Step::End;) {
    ++entryNumber;
    if (step == EntryReader::Step::NoEntry) {
      continue;
    }
    // An end of 0 means the entry has none of its own: it is placed by its start alone.
    const bool hasEnd = entry.end != 0;
    const auto moveBy = [&](double units) {
      entry.start -= units;
      if (hasEnd) {
        entry.end -= units;
      }
    };
    moveBy(run.segmentLength * static_cast<double>(segments.number() - 1));
    // An entry beyond the cut moves on as many segments as its start requires; a segment
    // passed over is still written, empty, so part k always holds part k of the movie.
    while (segments.number() < run.maxSegments && entry.start >= run.segmentLength) {
      moveBy(run.segmentLength);
      entryNumber = placer.advance(false);
    }
    placer.place(entry, hasEnd, entryNumber, entries.atEnd());
  }
  while (placer.restsWaiting()) {
    placer.advance(true);
  }
}

std::optional<std::string> RefusalText(const CommonParams& params, const SplitParams& split) {
  if (!split.numberOfSegments) {
    return "The number of segments must be numeric!";
  }
  if (!(*split.numberOfSegments > 1)) {
    return "The number of segments must be 2 or more";
  }
  // A size that is not a number cannot be rounded, so that test comes first here; a
  // negative size can only come from outside the window and is as unusable as 0.
  if (!split.segmentFrames) {
    return "The size of the segments must be numeric!";
  }
  if (!(std::floor(*split.segmentFrames) >= 1)) {
    return "Enter the size of the segments!";
  }
  if (params.inputPath.empty()) {
    return kSelectASubtitle;
  }
  return std::nullopt;
}

}  // namespace

void Split(const CommonParams& params, const SplitParams& split, FrameView& view) {
  if (const auto refusal = RefusalText(params, split)) {
    Refuse(view, *refusal);
    return;
  }
  const double frames = *split.segmentFrames;

  view.enterBusy(BusyCaption(kActivity));
  bool busy = true;
  std::vector<std::string> written;
  try {
    SubtitleInput input(params.inputPath, TextChoiceOf(params));
    const double rate = FrameRateOf(params, input);
    const SubtitleFormat outputFormat = OutputFormatOf(params, input);
    EntryReader& entries = input.entries();

    SplitRun run;
    const TimeBases bases{UnitsPerSecond(input.format(), rate), UnitsPerSecond(outputFormat, rate)};
    run.toOutput = UnitConversion(bases.input, bases.output);
    // Multiply, divide, then drop the fraction: at 23.976 fps a MicroDVD segment of
    // 100006 frames is 100005 frames long, as it always was.
    run.segmentLength = std::floor((frames * bases.input) / rate);
    run.segmentEndMs = ConvertUnits(frames, rate, 1000.0);
    // More segments than a run can ever fill are as good as no limit.
    run.maxSegments = static_cast<long long>(std::min(std::floor(*split.numberOfSegments), 1e15));
    run.subRipOutput = !Describe(outputFormat)->timedInFrames;  // SubRip and WebVTT

    SegmentFiles segments(params, outputFormat, input);
    SplitEntries(entries, segments, run);
    view.leaveBusy();
    busy = false;
    if (!NameOutputs(segments.group(), params.keepExistingOutputs, *params.committer, view)) {
      return;  // no part has its name; the finished ones go with `segments`
    }
    written = segments.group().targets();
  } catch (...) {
    // No segment of this run has its name yet; every temporary file is gone with it.
    Fail(view, std::current_exception(), params.inputPath, busy);
    return;
  }
  Complete(view, std::string("The subtitle is split.") + kCR + kCR +
                     "Number of segments: " + std::to_string(written.size()));
  if (params.deleteSource) {
    DeleteSourceFile(params.inputPath, written, view);
  }
}

}  // namespace lumetra
