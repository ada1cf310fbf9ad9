#include "files/temporary_files.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

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

// Only async-signal-safe calls here: lock-free atomics, unlink, sigaction, raise.
void RemoveTemporariesAndEnd(int signal) {
  for (auto* slot = registered.load(); slot != nullptr; slot = slot->next) {
    // Taking the path makes it ours: whoever unregisters it now finds null and frees nothing.
    if (char* path = slot->path.exchange(nullptr)) {
      ::unlink(path);
    }
  }
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  sigemptyset(&standard.sa_mask);
  ::sigaction(signal, &standard, nullptr);
  // Still blocked while this handler runs; delivered, with its default action, on return.
  ::raise(signal);
}

}  // namespace

void InstallTemporaryFileCleanup() {
  struct sigaction cleanup {};
  cleanup.sa_handler = RemoveTemporariesAndEnd;
  sigemptyset(&cleanup.sa_mask);
  for (const int signal : kCleanedSignals) {
    sigaddset(&cleanup.sa_mask, signal);
  }
  for (const int signal : kCleanedSignals) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN) {
      ::sigaction(signal, &cleanup, nullptr);
    }
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
