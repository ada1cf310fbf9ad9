#pragma once

#include <functional>
#include <optional>
#include <string>

#include "operations/frame_view.h"
#include "operations/operation_result.h"
#include "subtitle/format.h"
#include "subtitle/subtitle_entry.h"

namespace lumetra {

class SubtitleError;

// Values every operation gathers from the main window before it runs.
struct CommonParams {
  std::string inputPath;                                   // txtBron; empty: nothing selected
  double frameRate = 25.0;                                 // lstCurrentFrameRate
  SubtitleFormat outputFormat = SubtitleFormat::MicroDvd;  // optMicroDVD / optSubRip
  bool deleteSource = false;                               // chkDeleteBronBestand
  bool outputAsInput = false;                              // chkOutputAsInput
};

// Time bases of one run, known once the input's format is.
struct UnitContext {
  SubtitleFormat inputFormat = SubtitleFormat::Unknown;
  double inputUnitsPerSecond = 0;
  double outputUnitsPerSecond = 0;
};

// Shape of the four operations that read entries, change them and write them in the output
// format: Convert, Synchronize, Correct and Delete comments.
struct EntryOperation {
  std::string busyLiteral;   // " - Written by Taviel - converting..."
  std::string outputSuffix;  // " - SubRip": the output is base name + suffix + "." + extension
  // Convert tests the input's format before the busy state and may refuse it there.
  std::function<std::optional<std::string>(SubtitleFormat input)> refuseInput;
  // Changes one entry; returns false to drop it (nothing written).
  std::function<bool(SubtitleEntry&, const UnitContext&)> transform;
  // SubRip blocks numbered by written entries (no gaps) instead of by the entry number.
  bool numberWrittenEntries = false;
  // Completion text, built after the loop (it may show a count).
  std::function<std::string()> completion;
  // Runs after the post-success options, before the completion message.
  std::function<void(FrameView&)> afterSuccess;
  std::function<long long()> count;  // reported in OperationResult::count
};

// Runs an entry operation inside the frame: precondition on the input path, busy state,
// format test, output written beside the input and committed only on success, post-success
// options, completion message, or the error tail.
OperationResult RunEntryOperation(const CommonParams& params, const EntryOperation& operation,
                                  FrameView& view);

// Helpers for the operations that run their own loops.
OperationResult Refusal(FrameView& view, const std::string& text,
                        MessageIcon icon = MessageIcon::Critical);
// The error tail: the failure's message, then the window restored when `wasBusy`.
OperationResult FailureResult(FrameView& view, const SubtitleError& error, bool wasBusy = false);
// Post-success option 1: delete the input and clear txtBron. Fails like any file operation.
void DeleteSourceFile(const std::string& path, OperationResult& result, FrameView& view);
// Both post-success options after `outputPath` was written: the input deleted where asked,
// then the output taken as the new input, where `alsoForNewInput` adds what the operation
// writes back besides txtBron. Returns false when the input could not be deleted (the
// result then holds that failure).
bool ApplyPostSuccessOptions(const std::string& inputPath, const std::string& outputPath,
                             bool deleteSource, bool outputAsInput, OperationResult& result,
                             FrameView& view, const std::function<void()>& alsoForNewInput);
// Shows the completion message, then deletes the input where asked: the order of the
// operations that report before their post-success option.
void CompleteThenDeleteSource(const std::string& inputPath, bool deleteSource,
                              const Message& message, OperationResult& result, FrameView& view);

}  // namespace lumetra
