#pragma once

namespace lumetra {

// A change of the names in a folder that the signal cleanup must never cut in two: a hidden
// file made and registered, an output or a whole group named, an input deleted. While one
// lives, the cleanup waits for it; once the cleanup has begun, a new one waits for good,
// since the process is about to end. A thread may nest them.
class NameChange {
 public:
  NameChange();
  ~NameChange();
  NameChange(const NameChange&) = delete;
  NameChange& operator=(const NameChange&) = delete;
};

// For the signal cleanup: waits until no name change is under way and lets no new one begin.
// Never returns on a thread that holds a NameChange.
void StopNameChanges();

}  // namespace lumetra
