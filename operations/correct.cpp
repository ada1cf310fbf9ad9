#include "operations/correct.h"

#include <string>
#include <utility>

#include "operations/correct_repairs.h"

namespace lumetra {

OperationResult Correct(const CommonParams& params, const CorrectSettings& settings,
                        FrameView& view) {
  // One counter for the whole run: it is never reset between entries.
  long long corrections = 0;
  EntryOperation operation;
  operation.busyLiteral = " - Written by Taviel - correcting...";
  operation.outputSuffix = " - corrected";
  operation.transform = [&settings, &corrections](SubtitleEntry& entry, const UnitContext&) {
    RepairedText repaired = RepairEntryText(std::move(entry.text), settings);
    entry.text = std::move(repaired.text);
    corrections += repaired.count;
    return true;
  };
  operation.completion = [&corrections] {
    std::string text = "The subtitle is corrected.";
    text += kCR;
    text += kCR;
    text += "Number of corrections: " + std::to_string(corrections);
    return text;
  };
  operation.count = [&corrections] { return corrections; };
  return RunEntryOperation(params, operation, view);
}

}  // namespace lumetra
