#pragma once
// A background job's thread that knows whether it still runs. Stop requests
// go through a StopToken the job polls or sleeps on; waits for the end are
// bounded. While the job runs it counts as busy in the tracker, if given.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
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
  // call Join with a bound first.
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // False when a job is still running on this object.
  bool Start(Body body);
  bool IsRunning() const { return running_; }
  void RequestStop() { stop_.Request(); }
  bool StopRequested() const { return stop_.Requested(); }
  const StopToken& Stop() const { return stop_; }
  // Waits at most timeout for the job to end; true when it has ended.
  bool WaitFor(std::chrono::milliseconds timeout);
  // Waits at most timeout for the job to end and then joins its thread;
  // false (thread left running) when it did not end in time.
  bool Join(std::chrono::milliseconds timeout);

 private:
  WorkTracker* tracker_;
  std::thread thread_;
  std::atomic<bool> running_{false};
  StopToken stop_;
  std::mutex mutex_;
  std::condition_variable ended_;
};

}  // namespace tarvo
