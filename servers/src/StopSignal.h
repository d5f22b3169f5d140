#pragma once
// Raised when the servers stop, so that every deliberate wait ends at once.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tarvo::servers {

class StopSignal {
 public:
  void Raise() {
    std::lock_guard lock(mutex_);
    raised_ = true;
    changed_.notify_all();
  }
  void Reset() {
    std::lock_guard lock(mutex_);
    raised_ = false;
  }
  // Waits that long unless raised first; true when raised.
  template <class Rep, class Period>
  bool WaitFor(std::chrono::duration<Rep, Period> wait) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, wait, [&] { return raised_; });
  }

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  bool raised_ = false;
};

}  // namespace tarvo::servers
