#include "platform/threads/StopToken.h"

namespace tarvo {

void StopToken::Request() {
  {
    std::lock_guard<std::mutex> guard(mutex_);
    flag_ = true;
  }
  wake_.notify_all();
}

bool StopToken::SleepFor(std::chrono::milliseconds duration) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return wake_.wait_for(lock, duration, [this] { return flag_.load(); });
}

}  // namespace tarvo
