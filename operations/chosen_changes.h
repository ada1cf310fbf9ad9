#pragma once

#include <functional>
#include <set>

#include "operations/frame.h"

namespace lumetra {

// The changes a preview listed that the user left out, by TextChange::index.
using LeftOutChanges = std::set<long long>;

// Runs `transform` on every entry but writes the entries whose change was left out as they
// were read. The entries are counted as the preview counts them, so the same input gives the
// same numbers.
class ChosenChanges final : public EntryTransform {
 public:
  // `count` reads the transform's counter, so that what the left-out entries added to it can
  // be taken off again.
  ChosenChanges(EntryTransform& transform, const LeftOutChanges& leftOut,
                std::function<long long()> count)
      : transform_(transform), leftOut_(leftOut), count_(std::move(count)) {}

  bool apply(SubtitleEntry& entry, double inputUnitsPerSecond) override;
  // The transform's counter without what the left-out entries added to it.
  long long count() const { return count_() - leftOutCount_; }

 private:
  EntryTransform& transform_;
  const LeftOutChanges& leftOut_;
  std::function<long long()> count_;
  long long index_ = 0;
  long long leftOutCount_ = 0;
  SubtitleEntry scratch_;
};

}  // namespace lumetra
