#pragma once
// Counts the workers of the program that are doing something, so that a
// script or a test can wait until the program is idle. A worker that only
// sleeps between rounds (a watchdog) marks itself waiting while it sleeps.
// Thread-safe.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tarvo {

class WorkTracker {
 public:
  // Counts one busy worker while it lives.
  class Busy {
   public:
    explicit Busy(WorkTracker* tracker);
    ~Busy();
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

   private:
    WorkTracker* tracker_;
  };
  // Inside a Busy scope: does not count while it lives (a sleep between rounds).
  class Waiting {
   public:
    explicit Waiting(WorkTracker* tracker);
    ~Waiting();
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

   private:
    WorkTracker* tracker_;
  };

  int BusyCount() const;
  // True when no worker was busy before the deadline passed.
  bool WaitUntilIdle(std::chrono::milliseconds deadline) const;

 private:
  void Add(int delta);

  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  int busy_ = 0;
};

}  // namespace tarvo
