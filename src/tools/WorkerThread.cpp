#include "tools/WorkerThread.h"

namespace tarvo {

WorkerThread::~WorkerThread() {
  RequestStop();
  if (thread_.joinable()) thread_.join();
}

bool WorkerThread::Start(Body body) {
  if (IsRunning()) return false;
  if (thread_.joinable()) thread_.join();  // the previous job has ended
  state_ = std::make_shared<State>();
  state_->running = true;
  // Counted from here, so that an idle check right after Start sees the job.
  auto busy = std::make_shared<WorkTracker::Busy>(tracker_);
  thread_ = std::thread([state = state_, busy, body = std::move(body)]() mutable {
    body(state->stop);
    body = nullptr;
    std::lock_guard<std::mutex> guard(state->mutex);
    state->running = false;
    busy.reset();
    state->ended.notify_all();
  });
  return true;
}

void WorkerThread::RequestStop() {
  if (state_) state_->stop.Request();
}

bool WorkerThread::WaitFor(std::chrono::milliseconds timeout) {
  if (!state_) return true;
  std::unique_lock<std::mutex> lock(state_->mutex);
  return state_->ended.wait_for(lock, timeout, [this] { return !state_->running.load(); });
}

bool WorkerThread::Join(std::chrono::milliseconds timeout) {
  if (!WaitFor(timeout)) return false;
  if (thread_.joinable()) thread_.join();
  return true;
}

void WorkerThread::Abandon() {
  RequestStop();
  if (thread_.joinable()) thread_.detach();
}

}  // namespace tarvo
