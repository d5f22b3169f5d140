#include "tools/WorkerThread.h"

#include <memory>

namespace tarvo {

WorkerThread::~WorkerThread() {
  RequestStop();
  if (thread_.joinable()) thread_.join();
}

bool WorkerThread::Start(Body body) {
  if (running_) return false;
  if (thread_.joinable()) thread_.join();  // the previous job has ended
  stop_.Reset();
  running_ = true;
  // Counted from here, so that an idle check right after Start sees the job.
  auto busy = std::make_shared<WorkTracker::Busy>(tracker_);
  thread_ = std::thread([this, busy, body = std::move(body)]() mutable {
    body(stop_);
    std::lock_guard<std::mutex> guard(mutex_);
    running_ = false;
    busy.reset();
    ended_.notify_all();
  });
  return true;
}

bool WorkerThread::WaitFor(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  return ended_.wait_for(lock, timeout, [this] { return !running_.load(); });
}

bool WorkerThread::Join(std::chrono::milliseconds timeout) {
  if (!WaitFor(timeout)) return false;
  if (thread_.joinable()) thread_.join();
  return true;
}

}  // namespace tarvo
