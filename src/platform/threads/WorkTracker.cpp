#include "platform/threads/WorkTracker.h"

namespace tarvo {

WorkTracker::Busy::Busy(WorkTracker* tracker) : tracker_(tracker) {
  if (tracker_ != nullptr) tracker_->Add(1);
}

WorkTracker::Busy::~Busy() {
  if (tracker_ != nullptr) tracker_->Add(-1);
}

WorkTracker::Waiting::Waiting(WorkTracker* tracker) : tracker_(tracker) {
  if (tracker_ != nullptr) tracker_->Add(-1);
}

WorkTracker::Waiting::~Waiting() {
  if (tracker_ != nullptr) tracker_->Add(1);
}

void WorkTracker::Add(int delta) {
  {
    std::lock_guard<std::mutex> guard(mutex_);
    busy_ += delta;
  }
  changed_.notify_all();
}

int WorkTracker::BusyCount() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return busy_;
}

bool WorkTracker::WaitUntilIdle(std::chrono::milliseconds deadline) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, deadline, [this] { return busy_ <= 0; });
}

}  // namespace tarvo
