#include "operations/convert.h"

#include <optional>
#include <string>

#include "operations/shift.h"

namespace lumetra {

OperationResult Convert(const CommonParams& params, int shiftMs, FrameView& view) {
  EntryOperation operation;
  operation.busyLiteral = " - Written by Taviel - converting...";
  operation.outputSuffix = std::string(" - ") + FormatName(params.outputFormat);
  // Tested before the busy state, so a refused run never touches a file of the output's name.
  operation.refuseInput = [output = params.outputFormat](SubtitleFormat input) {
    return input == output
               ? std::optional<std::string>("The output format is the same as the input format!")
               : std::nullopt;
  };
  // A shift left on the Synchronize tab applies here too; at 0 it changes nothing.
  operation.transform = [shiftMs](SubtitleEntry& entry, const UnitContext& units) {
    ApplyShift(entry, units.inputUnitsPerSecond, shiftMs);
    return true;
  };
  operation.completion = [] { return std::string("The subtitle is converted."); };
  return RunEntryOperation(params, operation, view);
}

}  // namespace lumetra
