#pragma once
// A background job's thread that knows whether it still runs. Stop requests
// are an atomic flag the job polls; waits for the end are bounded.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tarvo {

class WorkerThread {
 public:
  using Body = std::function<void(const std::atomic<bool>& stopRequested)>;

  WorkerThread() = default;
  ~WorkerThread();  // asks the job to stop and waits for it
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // False when a job is still running on this object.
  bool Start(Body body);
  bool IsRunning() const { return running_; }
  void RequestStop() { stop_ = true; }
  bool StopRequested() const { return stop_; }
  // Waits at most timeout for the job to end; true when it has ended.
  bool WaitFor(std::chrono::milliseconds timeout);

 private:
  void JoinIfEnded();

  std::thread thread_;
  std::atomic<bool> running_{false};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable ended_;
};

}  // namespace tarvo
