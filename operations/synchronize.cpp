#include "operations/synchronize.h"

#include "operations/shift.h"

namespace lumetra {

void Synchronize(const CommonParams& params, int shiftMs, FrameView& view) {
  if (params.inputPath.empty()) {
    Refuse(view, kSelectASubtitle);
    return;
  }
  if (shiftMs == 0) {
    Refuse(view, "0 seconds set: unnecessary to synchronize");
    return;
  }
  constexpr EntryOperation kSynchronize{"synchronizing...", " - synchronized"};
  ShiftTransform shift(shiftMs);
  if (RunEntryOperation(params, kSynchronize, shift, view)) {
    view.resetShift();
    Complete(view, "The subtitle is synchronized.");
  }
}

}  // namespace lumetra
