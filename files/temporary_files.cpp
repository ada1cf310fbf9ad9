#include "files/temporary_files.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <thread>

#include "files/name_change.h"

namespace lumetra {

// One registered path. Slots form a list that only grows at its head and are never freed,
// so a signal handler can walk it at any moment; a slot whose path is null is free for reuse.
struct TemporarySlot {
  std::atomic<char*> path{nullptr};
  TemporarySlot* next = nullptr;
};

namespace {

static_assert(std::atomic<char*>::is_always_lock_free);
static_assert(std::atomic<TemporarySlot*>::is_always_lock_free);

std::atomic<TemporarySlot*> registered{nullptr};

constexpr int kCleanedSignals[] = {SIGINT, SIGTERM, SIGHUP};

void RemoveRegistered() {
  for (auto* slot = registered.load(); slot != nullptr; slot = slot->next) {
    // Taking the path makes it ours: whoever unregisters it now finds null and frees nothing.
    if (char* path = slot->path.exchange(nullptr)) {
      ::unlink(path);
    }
  }
}

// The one thread that takes the cleanup signals; every other thread has them blocked.
[[noreturn]] void TakeCleanupSignals(sigset_t signals) {
  int signal = 0;
  while (::sigwait(&signals, &signal) != 0) {
  }
  // No file gets a name or a hidden name from now on, and none is halfway through it.
  StopNameChanges();
  RemoveRegistered();
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  sigemptyset(&standard.sa_mask);
  ::sigaction(signal, &standard, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  // Sent to this thread, now unblocked here: ends the process as the signal does.
  ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(signal);
  ::_exit(128 + signal);
}

}  // namespace

void InstallTemporaryFileCleanup() {
  sigset_t signals;
  sigemptyset(&signals);
  bool any = false;
  for (const int signal : kCleanedSignals) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN) {
      sigaddset(&signals, signal);
      any = true;
    }
  }
  if (any) {
    // Blocked here, before any other thread exists, so every later thread has them blocked.
    ::pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread(TakeCleanupSignals, signals).detach();
  }
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGXFSZ, &ignore, nullptr);
}

TemporaryPath::TemporaryPath(const std::string& path) : path_(path) {
  char* copy = ::strdup(path.c_str());
  if (copy == nullptr) {
    throw std::bad_alloc();
  }
  for (slot_ = registered.load(); slot_ != nullptr; slot_ = slot_->next) {
    char* empty = nullptr;
    if (slot_->path.compare_exchange_strong(empty, copy)) {
      return;
    }
  }
  try {
    slot_ = new TemporarySlot;
  } catch (...) {
    std::free(copy);
    throw;
  }
  slot_->path.store(copy);
  slot_->next = registered.load();
  while (!registered.compare_exchange_weak(slot_->next, slot_)) {
  }
}

TemporaryPath::~TemporaryPath() {
  if (slot_ != nullptr) {
    ::unlink(path_.c_str());
    release();
  }
}

void TemporaryPath::release() noexcept {
  if (slot_ != nullptr) {
    std::free(slot_->path.exchange(nullptr));
    slot_ = nullptr;
  }
}

}  // namespace lumetra
