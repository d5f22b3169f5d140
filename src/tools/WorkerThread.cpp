#include "tools/WorkerThread.h"

namespace tarvo {

WorkerThread::~WorkerThread() {
  RequestStop();
  if (thread_.joinable()) thread_.join();
}

bool WorkerThread::Start(Body body) {
  if (running_) return false;
  if (thread_.joinable()) thread_.join();  // the previous job has ended
  stop_ = false;
  running_ = true;
  thread_ = std::thread([this, body = std::move(body)]() {
    body(stop_);
    std::lock_guard<std::mutex> guard(mutex_);
    running_ = false;
    ended_.notify_all();
  });
  return true;
}

bool WorkerThread::WaitFor(std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  return ended_.wait_for(lock, timeout, [this] { return !running_.load(); });
}

}  // namespace tarvo
