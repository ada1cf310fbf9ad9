#pragma once

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "files/committer.h"
#include "operations/frame_view.h"
#include "subtitle/format.h"
#include "subtitle/subtitle_entry.h"
#include "subtitle/text_choice.h"

namespace lumetra {

class SubtitleError;
class SubtitleInput;

// Values every operation gathers from the main window before it runs. The command line may
// leave the frame rate and the output format open; the input then decides them.
struct CommonParams {
  std::string inputPath;                       // txtBron; empty: nothing selected
  std::optional<double> frameRate;             // lstCurrentFrameRate; open: declared, else 25
  std::optional<SubtitleFormat> outputFormat;  // optMicroDVD / optSubRip; open: see below
  bool deleteSource = false;                   // chkDeleteBronBestand
  bool outputAsInput = false;                  // chkOutputAsInput
  std::string outputFolder;                    // where outputs go; empty: beside the input
  bool keepExistingOutputs = false;            // an existing output refuses the run
  // Names the outputs: at once for one file, in a round shared by a batch's outputs.
  Committer* committer = &CommitEachAtOnce();
  TextChoice text{};  // the input's code page, UTF-8 output
};

// The frame rate of a run: the one chosen, else the listed rate the input declares, else 25.
double FrameRateOf(const CommonParams& params, const SubtitleInput& input);
// How a run reads its input's text: as chosen, and decoded to UTF-8 for a WebVTT output.
TextChoice TextChoiceOf(const CommonParams& params);
// The format a run writes: the one chosen, else the input's own (MicroDVD for an unknown one),
// or the other format when the run converts.
SubtitleFormat OutputFormatOf(const CommonParams& params, const SubtitleInput& input,
                              bool convertsFormat = false);

// Changes the entries of one run between reading and writing. Keeps whatever it counts.
class EntryTransform {
 public:
  virtual ~EntryTransform() = default;
  // `entry` is in the input's units; false drops it (nothing is written for it).
  virtual bool apply(SubtitleEntry& entry, double inputUnitsPerSecond) = 0;
};

// The four operations that read entries, change them and write them in the output format:
// Convert, Synchronize, Correct and Delete comments.
struct EntryOperation {
  const char* activity;      // "synchronizing...", shown in the busy caption
  const char* outputSuffix;  // " - synchronized"; nullptr: " - " + the output format's name
  // Convert: refused for an input already in the output format, which it tests before the
  // window shows any sign of work; an open output format is the other one.
  bool convertsFormat = false;
  // SubRip blocks numbered by written entries (no gaps) instead of by the entry number.
  bool numberWrittenEntries = false;
  // The rate a frame-rate line declares in the output in place of the input's; nullptr keeps
  // the input's. Fit to movie writes MicroDVD at the movie's rate.
  const char* newRateText = nullptr;
};

// Runs an entry operation: precondition on the input path, busy state, output written beside
// the input and committed only on success, the post-success options. Returns true after
// success, when the caller shows its completion; otherwise the view has been told why not.
bool RunEntryOperation(const CommonParams& params, const EntryOperation& operation,
                       EntryTransform& transform, FrameView& view);

// Helpers for the operations that run their own loops.
void Refuse(FrameView& view, const std::string& text, MessageIcon icon = MessageIcon::Critical);
// The text a failure is told by: "An error has occurred!", then what went wrong.
std::string FailureText(const SubtitleError& error);
// The failure's message, then the window restored when `wasBusy`. Takes any exception: a
// SubtitleError, running out of memory, anything else.
void Fail(FrameView& view, const std::exception_ptr& failure, const std::string& inputPath,
          bool wasBusy);
// Post-success option 1: delete the input and clear txtBron. When it cannot be deleted the
// user is told so, with the outputs that were written all the same, and false is returned.
bool DeleteSourceFile(const std::string& path, const std::vector<std::string>& outputs,
                      FrameView& view);
void Complete(FrameView& view, const std::string& text, const std::string& title = TitleText());
// The post-success options of a run with one output: the input deleted when asked (false
// when it cannot be), then the output made the new input when asked. The caller adds what
// else the window learns of the new input.
bool ApplyPostSuccessOptions(const std::string& inputPath, const std::string& outputPath,
                             bool deleteSource, bool outputAsInput, FrameView& view);

}  // namespace lumetra
