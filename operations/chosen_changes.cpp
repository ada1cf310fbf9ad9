#include "operations/chosen_changes.h"

namespace lumetra {

bool ChosenChanges::apply(SubtitleEntry& entry, double inputUnitsPerSecond) {
  ++index_;
  if (!leftOut_.contains(index_)) {
    return transform_.apply(entry, inputUnitsPerSecond);
  }
  scratch_ = entry;
  const long long before = count_();
  transform_.apply(scratch_, inputUnitsPerSecond);
  leftOutCount_ += count_() - before;
  return true;
}

}  // namespace lumetra
