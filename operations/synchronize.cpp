#include "operations/synchronize.h"

#include "operations/shift.h"

namespace lumetra {

OperationResult Synchronize(const CommonParams& params, int shiftMs, FrameView& view) {
  if (params.inputPath.empty()) {
    return Refusal(view, "Select a subtitle!");
  }
  if (shiftMs == 0) {
    return Refusal(view, "0 seconds set: unnecessary to synchronize");
  }
  EntryOperation operation;
  operation.busyLiteral = " - Written by Taviel - synchronizing...";
  operation.outputSuffix = " - synchronized";
  operation.transform = [shiftMs](SubtitleEntry& entry, const UnitContext& units) {
    ApplyShift(entry, units.inputUnitsPerSecond, shiftMs);
    return true;
  };
  operation.afterSuccess = [](FrameView& frameView) { frameView.resetShift(); };
  operation.completion = [] { return std::string("The subtitle is synchronized."); };
  return RunEntryOperation(params, operation, view);
}

}  // namespace lumetra
