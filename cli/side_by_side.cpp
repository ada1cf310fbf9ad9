#include "cli/side_by_side.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "files/sync_round.h"
#include "operations/frame.h"

namespace lumetra::cli {
namespace {

constexpr std::chrono::milliseconds kLongestSettleDelay{50};

// Where the runs of a batch stand; the threads meet here.
class Progress {
 public:
  Progress(std::size_t inputs, std::size_t jobs) : done_(inputs, 0), jobs_(jobs) {}

  // The next input to run, once fewer than `jobs` runs make outputs; false when all are taken.
  bool take(std::size_t& input) {
    std::unique_lock<std::mutex> lock(mutex_);
    jobFree_.wait(lock, [&] { return making_ < jobs_ || next_ >= done_.size(); });
    if (next_ >= done_.size()) {
      return false;
    }
    input = next_++;
    ++making_;
    return true;
  }
  // A run's outputs wait for a settle: its job goes to the next input.
  void outputsWait() {
    update(true, [&] { --making_; });
  }
  void finish(std::size_t input, bool waited) {
    update(!waited, [&] {
      done_[input] = 1;
      making_ -= waited ? 0 : 1;
    });
  }
  // Takes no new input any more.
  void stop() {
    update(false, [&] { next_ = done_.size(); });
    jobFree_.notify_all();
  }
  void poke() {
    update(false, [] {});
  }

  // Waits until input `i` is done or a settle is due; true when input i is done.
  bool waitFor(std::size_t i, const SyncRound& round) {
    std::unique_lock<std::mutex> lock(mutex_);
    const bool due = mainWakes_.wait_for(
        lock, kLongestSettleDelay, [&] { return done_[i] != 0 || settleDue(round.waiting()); });
    return due && done_[i] != 0;
  }

 private:
  // Many outputs wait, or no run could still join them: every input is taken, and every
  // run under way waits.
  bool settleDue(std::size_t waiting) const {
    return waiting >= kInputsPerSync || (waiting > 0 && making_ == 0 && next_ >= done_.size());
  }
  // Only the owner's thread waits for mainWakes_, and one worker is enough to take a job
  // that became free: no change wakes every thread.
  template <typename Change>
  void update(bool jobFreed, Change change) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      change();
    }
    mainWakes_.notify_one();
    if (jobFreed) {
      jobFree_.notify_one();
    }
  }

  std::mutex mutex_;
  std::condition_variable mainWakes_;
  std::condition_variable jobFree_;
  std::vector<char> done_;
  std::size_t next_ = 0;
  std::size_t making_ = 0;  // runs under way whose outputs do not wait in the round
  std::size_t jobs_;
};

// The committer of one input: hands its outputs to the batch's round and gives its job
// to the next input while they wait.
class InputCommitter final : public Committer {
 public:
  InputCommitter(SyncRound& round, Progress& progress) : round_(round), progress_(progress) {}
  void commit(OutputFile& file) override {
    beginWait();
    round_.commit(file);
  }
  void commit(OutputGroup& group) override {
    beginWait();
    round_.commit(group);
  }
  bool waited() const { return waited_; }

 private:
  void beginWait() {
    if (!waited_) {
      waited_ = true;
      progress_.outputsWait();
    }
  }
  SyncRound& round_;
  Progress& progress_;
  bool waited_ = false;
};

void Work(const PreparedCommand& command, std::vector<InputTask>& tasks,
          std::vector<InputReport>& reports, SyncRound& round, Progress& progress) {
  for (std::size_t i = 0; progress.take(i);) {
    InputCommitter committer(round, progress);
    tasks[i].committer = &committer;
    try {
      command.run(tasks[i], reports[i]);
    } catch (...) {
      Fail(reports[i], std::current_exception(), tasks[i].path, false);
    }
    progress.finish(i, committer.waited());
  }
}

// Whatever ends the batch early, no worker is left waiting for a settle nor takes an input.
struct Abandon {
  SyncRound& round;
  Progress& progress;
  ~Abandon() {
    progress.stop();
    round.close();
  }
};

}  // namespace

void RunSideBySide(const PreparedCommand& command, std::vector<InputTask> tasks,
                   std::vector<InputReport>& reports, std::size_t jobs,
                   const std::function<void(std::size_t)>& finished) {
  Progress progress(tasks.size(), jobs);
  SyncRound round([&] { progress.poke(); });
  // Enough threads that `jobs` of them make outputs while two rounds' worth wait.
  const std::size_t threads = std::min(tasks.size(), jobs + 2 * kInputsPerSync);
  std::vector<std::jthread> workers;
  const Abandon abandon{round, progress};
  for (std::size_t w = 0; w < threads; ++w) {
    workers.emplace_back([&] { Work(command, tasks, reports, round, progress); });
  }
  for (std::size_t i = 0; i < tasks.size();) {
    if (progress.waitFor(i, round)) {
      finished(i++);
    } else {
      round.settle();
    }
  }
}

}  // namespace lumetra::cli
