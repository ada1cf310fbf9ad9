#include "operations/convert.h"

#include "operations/shift.h"

namespace lumetra {

void Convert(const CommonParams& params, int shiftMs, FrameView& view) {
  constexpr EntryOperation kConvert{"converting...", nullptr, true};
  // A shift left on the Synchronize tab applies here too; at 0 it changes nothing.
  ShiftTransform shift(shiftMs);
  if (RunEntryOperation(params, kConvert, shift, view)) {
    Complete(view, "The subtitle is converted.");
  }
}

}  // namespace lumetra
