#pragma once
// A stop request shared by whoever asks work to stop and the work itself.
// Work polls it (transfers read the flag at least every 50 ms) or sleeps on
// it; a request wakes every sleeper at once.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tarvo {

class StopToken {
 public:
  StopToken() = default;
  StopToken(const StopToken&) = delete;
  StopToken& operator=(const StopToken&) = delete;

  void Request();
  bool Requested() const { return flag_.load(); }
  // Clears a request so the token can serve the next run.
  void Reset() { flag_ = false; }
  // The flag itself, for code that only polls (HttpGetOptions::stop and the like).
  const std::atomic<bool>& Flag() const { return flag_; }
  const std::atomic<bool>* FlagPointer() const { return &flag_; }
  operator const std::atomic<bool>&() const { return flag_; }  // NOLINT: polling code takes the flag
  // Sleeps up to duration; true when a stop was requested (returns at once then).
  bool SleepFor(std::chrono::milliseconds duration) const;

 private:
  std::atomic<bool> flag_{false};
  mutable std::mutex mutex_;
  mutable std::condition_variable wake_;
};

}  // namespace tarvo
