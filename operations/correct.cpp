#include "operations/correct.h"

#include <string>

#include "operations/correct_repairs.h"

namespace lumetra {
bool CorrectRepairs::apply(SubtitleEntry& entry, double) {
  corrections_ += RepairEntryTextInPlace(entry.text, settings_, room_);
  return true;
}

std::string CorrectionCount(long long corrections) {
  return "Number of corrections: " + std::to_string(corrections);
}

void Correct(const CommonParams& params, const CorrectSettings& settings, FrameView& view,
             const LeftOutChanges& leftOut) {
  constexpr EntryOperation kCorrect{kCorrecting, " - corrected"};
  CorrectRepairs repairs(settings);
  ChosenChanges chosen(repairs, leftOut, [&repairs] { return repairs.corrections(); });
  if (RunEntryOperation(params, kCorrect, chosen, view)) {
    Complete(view, std::string("The subtitle is corrected.") + kCR + kCR +
                       CorrectionCount(chosen.count()));
  }
}

}  // namespace lumetra
