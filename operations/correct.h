#pragma once

#include <string>

#include "operations/chosen_changes.h"
#include "operations/frame.h"

namespace lumetra {

enum class CorrectLanguage { English, French };

// What the busy caption shows while Correct runs, or its preview.
inline constexpr const char* kCorrecting = "correcting...";

// Which repairs run (the four check boxes of the Correct tab) and the language buttons.
struct CorrectSettings {
  bool quotes = true;       // chkQuotes
  bool il = true;           // chkIl
  bool fullStops = true;    // chkLeesteken
  bool digitSpaces = true;  // chkGetallen
  CorrectLanguage language = CorrectLanguage::English;
};

// Runs the repairs over every entry; one counter for the whole run.
class CorrectRepairs final : public EntryTransform {
 public:
  explicit CorrectRepairs(const CorrectSettings& settings) : settings_(settings) {}
  bool apply(SubtitleEntry& entry, double inputUnitsPerSecond) override;
  long long corrections() const { return corrections_; }

 private:
  const CorrectSettings& settings_;
  long long corrections_ = 0;
  std::string room_;  // the repairs' working copy, kept from one entry to the next
};

// Repairs every entry and writes base name + " - corrected" in the output format; the entries
// of the changes in `leftOut` (as a preview numbers them) are written as they were, and what
// they would have added is not counted.
void Correct(const CommonParams& params, const CorrectSettings& settings, FrameView& view,
             const LeftOutChanges& leftOut = {});
// "Number of corrections: 8", the count a run reports.
std::string CorrectionCount(long long corrections);

}  // namespace lumetra
