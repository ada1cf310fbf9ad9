#include "files/name_change.h"

#include <condition_variable>
#include <mutex>

namespace lumetra {
namespace {

std::mutex gMutex;
std::condition_variable gChanged;
int gUnderWay = 0;      // threads inside a name change
bool gStopped = false;  // the cleanup has begun
// How deep the calling thread is in nested name changes: only the outermost one counts.
thread_local int tDepth = 0;

}  // namespace

NameChange::NameChange() {
  if (tDepth++ > 0) {
    return;
  }
  std::unique_lock<std::mutex> lock(gMutex);
  gChanged.wait(lock, [] { return !gStopped; });
  ++gUnderWay;
}

NameChange::~NameChange() {
  if (--tDepth > 0) {
    return;
  }
  {
    const std::lock_guard<std::mutex> lock(gMutex);
    --gUnderWay;
  }
  gChanged.notify_all();
}

void StopNameChanges() {
  std::unique_lock<std::mutex> lock(gMutex);
  gStopped = true;
  gChanged.wait(lock, [] { return gUnderWay == 0; });
}

}  // namespace lumetra
