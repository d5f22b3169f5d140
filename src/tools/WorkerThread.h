#pragma once
// A background job's thread that knows whether it still runs. Stop requests
// go through a StopToken the job polls or sleeps on; waits for the end are
// bounded. While the job runs it counts as busy in the tracker, if given.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/threads/StopToken.h"
#include "platform/threads/WorkTracker.h"

namespace tarvo {

class WorkerThread {
 public:
  // Bodies that only poll may take `const std::atomic<bool>&` instead.
  using Body = std::function<void(const StopToken& stop)>;

  explicit WorkerThread(WorkTracker* tracker = nullptr) : tracker_(tracker) {}
  // Asks the job to stop and joins it. Callers that must not wait long
  // call Join with a bound first, and Abandon when it did not end.
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // False when a job is still running on this object.
  bool Start(Body body);
  bool IsRunning() const { return state_ && state_->running; }
  void RequestStop();
  bool StopRequested() const { return state_ && state_->stop.Requested(); }
  // Waits at most timeout for the job to end; true when it has ended.
  bool WaitFor(std::chrono::milliseconds timeout);
  // Waits at most timeout for the job to end and then joins its thread;
  // false (thread left running) when it did not end in time.
  bool Join(std::chrono::milliseconds timeout);
  // Lets a job that would not stop run on by itself: the thread is detached
  // and keeps what it shares with this object, which may then go at once.
  void Abandon();

 private:
  // What the thread and this object share; the thread holds it to its end.
  struct State {
    std::atomic<bool> running{false};
    StopToken stop;
    std::mutex mutex;
    std::condition_variable ended;
  };

  WorkTracker* tracker_;
  std::shared_ptr<State> state_;
  std::thread thread_;
};

}  // namespace tarvo
