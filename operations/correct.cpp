#include "operations/correct.h"

#include <string>
#include <utility>

#include "operations/correct_repairs.h"

namespace lumetra {
namespace {

// Runs the repairs over every entry; one counter for the whole run.
class Repairs final : public EntryTransform {
 public:
  explicit Repairs(const CorrectSettings& settings) : settings_(settings) {}
  bool apply(SubtitleEntry& entry, double) override {
    RepairedText repaired = RepairEntryText(std::move(entry.text), settings_);
    entry.text = std::move(repaired.text);
    corrections_ += repaired.count;
    return true;
  }
  long long corrections() const { return corrections_; }

 private:
  const CorrectSettings& settings_;
  long long corrections_ = 0;
};

}  // namespace

void Correct(const CommonParams& params, const CorrectSettings& settings, FrameView& view) {
  constexpr EntryOperation kCorrect{" - Written by Taviel - correcting...", " - corrected"};
  Repairs repairs(settings);
  if (RunEntryOperation(params, kCorrect, repairs, view)) {
    Complete(view, std::string("The subtitle is corrected.") + kCR + kCR +
                       "Number of corrections: " + std::to_string(repairs.corrections()));
  }
}

}  // namespace lumetra
