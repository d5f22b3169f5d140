#pragma once
// The time base of the event loop: real monotonic time, or a virtual clock
// that only moves when a test advances it, so timers fire deterministically.
#include <atomic>
#include <chrono>
#include <cstdint>

namespace tarvo::ui {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t NowMs() const = 0;
  virtual bool IsVirtual() const { return false; }
};

class RealClock : public Clock {
 public:
  int64_t NowMs() const override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
};

class VirtualClock : public Clock {
 public:
  int64_t NowMs() const override { return now_.load(); }
  bool IsVirtual() const override { return true; }
  void Advance(int64_t ms) { now_ += ms < 0 ? 0 : ms; }

 private:
  std::atomic<int64_t> now_{1000};
};

}  // namespace tarvo::ui
