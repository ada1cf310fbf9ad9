#include "operations/split.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "subtitle/microdvd.h"
#include "subtitle/number_text.h"
#include "subtitle/output_file.h"
#include "subtitle/paths.h"
#include "subtitle/subrip.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/text_reader.h"
#include "subtitle/units.h"

namespace lumetra {
namespace {

constexpr const char* kBusyLiteral = " - Written by Taviel - splitting...";
constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

// The segment files of one run. Each is written through a temporary file and appears under
// its name only once it is complete; one that is dropped unfinished leaves nothing.
class SegmentFiles {
 public:
  SegmentFiles(const std::string& inputPath, SubtitleFormat outputFormat, bool byteOrderMark)
      : inputPath_(inputPath),
        extension_(FormatExtension(outputFormat)),
        byteOrderMark_(byteOrderMark) {
    open();
  }

  OutputFile& current() { return *file_; }
  long long number() const { return number_; }
  const std::vector<std::string>& kept() const { return kept_; }

  void next() {
    finish();
    ++number_;
    open();
  }

  void finish() {
    file_->commit();
    kept_.push_back(file_->target());
    file_.reset();
  }

 private:
  void open() {
    file_ = std::make_unique<OutputFile>(
        OutputPath(inputPath_, " - " + std::to_string(number_), extension_));
    if (byteOrderMark_) {
      file_->write(kByteOrderMark);
    }
  }

  std::string inputPath_;
  std::string extension_;
  bool byteOrderMark_;
  long long number_ = 1;
  std::unique_ptr<OutputFile> file_;
  std::vector<std::string> kept_;
};

struct SplitRun {
  SubtitleFormat inputFormat;
  SubtitleFormat outputFormat;
  double inputUnitsPerSecond;
  double outputUnitsPerSecond;
  double segmentLength;   // L, in input units
  double segmentEndMs;    // where a SubRip block that spans a cut ends
  long long maxSegments;  // N
};

// Writes an entry already shifted into its segment. A time before the segment's start is
// written as 0; an entry with an end of its own keeps one ("{0}{0}", never "{0}{}").
void WriteShifted(OutputFile& output, SubtitleEntry entry, bool hasEnd, long long number,
                  const SplitRun& run, bool inputAtEnd) {
  entry.start = std::max(entry.start, 0.0);
  entry.end = hasEnd ? std::max(entry.end, 0.0) : 0.0;
  if (run.outputFormat == SubtitleFormat::SubRip) {
    WriteSubRipEntry(output, entry, number, run.inputUnitsPerSecond, run.outputUnitsPerSecond,
                     inputAtEnd);
    return;
  }
  if (hasEnd && entry.end == 0) {
    std::string line = "{";
    AppendWholeNumber(line,
                      ConvertUnits(entry.start, run.inputUnitsPerSecond, run.outputUnitsPerSecond));
    line += "}{0}";
    line += entry.text;
    output.writeLine(line);
    return;
  }
  WriteMicroDvdEntry(output, entry, run.inputUnitsPerSecond, run.outputUnitsPerSecond);
}

// The part of an entry up to the cut, written into the segment it leaves.
void WriteUpToCut(OutputFile& output, const SubtitleEntry& entry, long long number,
                  const SplitRun& run, bool inputAtEnd) {
  if (run.outputFormat == SubtitleFormat::SubRip) {
    const double startMs =
        ConvertUnits(std::max(entry.start, 0.0), run.inputUnitsPerSecond, 1000.0);
    WriteSubRipBlock(output, number, startMs, run.segmentEndMs, entry.text, inputAtEnd);
    return;
  }
  WriteShifted(output, entry, true, number, run, inputAtEnd);
}

void SplitEntries(TextReader& input, SegmentFiles& segments, const SplitRun& run) {
  long long entryNumber = 0;
  SubtitleEntry entry;
  while (!input.atEnd()) {
    ++entryNumber;
    if (run.inputFormat == SubtitleFormat::MicroDvd) {
      if (!ReadMicroDvdEntry(input, entry)) {
        continue;
      }
    } else {
      ReadSubRipEntry(input, entry);
    }
    // An end of 0 means the entry has none of its own: it is placed by its start alone.
    const bool hasEnd = entry.end != 0;
    const double offset = run.segmentLength * static_cast<double>(segments.number() - 1);
    entry.start -= offset;
    if (hasEnd) {
      entry.end -= offset;
    }

    if (segments.number() < run.maxSegments) {
      if (entry.start >= run.segmentLength) {
        // Lies beyond the cut: moves whole into the next segment (one segment at most).
        entry.start -= run.segmentLength;
        if (hasEnd) {
          entry.end -= run.segmentLength;
        }
        entryNumber = 1;
        segments.next();
      } else if (hasEnd && entry.end > run.segmentLength) {
        // Spans the cut: written up to the cut here, and from 0 in the next segment.
        WriteUpToCut(segments.current(), entry, entryNumber, run, input.atEnd());
        entry.start = 0;
        entry.end -= run.segmentLength;
        entryNumber = 1;
        segments.next();
      }
    }
    WriteShifted(segments.current(), entry, hasEnd, entryNumber, run, input.atEnd());
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
    return "Select a subtitle!";
  }
  return std::nullopt;
}

}  // namespace

OperationResult Split(const CommonParams& params, const SplitParams& split, FrameView& view) {
  if (const auto refusal = RefusalText(params, split)) {
    return Refusal(view, *refusal);
  }
  const double frames = *split.segmentFrames;
  const double rate = params.frameRate;

  view.enterBusy(BusyCaption(kBusyLiteral));
  std::unique_ptr<TextReader> input;
  std::unique_ptr<SegmentFiles> segments;
  try {
    const SubtitleFormat inputFormat = DetectFileFormat(params.inputPath);
    input = std::make_unique<TextReader>(params.inputPath);
    segments = std::make_unique<SegmentFiles>(params.inputPath, params.outputFormat,
                                              input->hasByteOrderMark());
    if (inputFormat == SubtitleFormat::Unknown) {
      throw SubtitleError::UnknownFormat();
    }

    SplitRun run;
    run.inputFormat = inputFormat;
    run.outputFormat = params.outputFormat;
    run.inputUnitsPerSecond = UnitsPerSecond(inputFormat, rate);
    run.outputUnitsPerSecond = UnitsPerSecond(params.outputFormat, rate);
    // Multiply, divide, then drop the fraction: at 23.976 fps a MicroDVD segment of
    // 100006 frames is 100005 frames long, as it always was.
    run.segmentLength = std::floor((frames * run.inputUnitsPerSecond) / rate);
    run.segmentEndMs = ConvertUnits(frames, rate, 1000.0);
    // More segments than a run can ever fill are as good as no limit.
    run.maxSegments = static_cast<long long>(std::min(std::floor(*split.numberOfSegments), 1e15));

    SplitEntries(*input, *segments, run);
    input.reset();
    segments->finish();
  } catch (const SubtitleError& error) {
    // The segment being written is dropped with its temporary file; finished ones stay.
    input.reset();
    OperationResult result = FailureResult(view, error, true);
    if (segments) {
      result.outputs = segments->kept();
    }
    return result;
  }

  OperationResult result;
  result.outcome = Outcome::Completed;
  result.outputs = segments->kept();
  result.count = segments->number();
  view.leaveBusy();
  const Message message{TitleText(),
                        std::string("The subtitle is split.") + kCR + kCR +
                            "Number of segments: " + std::to_string(result.count),
                        MessageIcon::None};
  CompleteThenDeleteSource(params.inputPath, params.deleteSource, message, result, view);
  return result;
}

}  // namespace lumetra
