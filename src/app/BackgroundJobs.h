#pragma once
// The program's named background jobs (update check, joke sync, ticker...):
// start by name, ask whether one still runs, and stop them all at exit
// within a bound. Every running job counts as busy in the work tracker.
#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/threads/WorkTracker.h"
#include "tools/WorkerThread.h"

namespace tarvo {

class BackgroundJobs {
 public:
  static constexpr std::chrono::milliseconds kExitBound{3000};

  explicit BackgroundJobs(WorkTracker* tracker = nullptr) : tracker_(tracker) {}
  ~BackgroundJobs() { StopAll(); }
  BackgroundJobs(const BackgroundJobs&) = delete;
  BackgroundJobs& operator=(const BackgroundJobs&) = delete;

  // False when the job of that name still runs, or after StopAll.
  bool Start(const std::string& name, WorkerThread::Body body);
  // The work a named job does, given by the subsystem that owns it, so that
  // others can start it by name (a new connection starts the update check).
  void Define(const std::string& name, WorkerThread::Body body);
  bool Defines(const std::string& name) const;
  // Starts a defined job; false when it is undefined or still runs.
  bool StartDefined(const std::string& name);
  // As IsThreadRunning answers it: false for a job never started.
  bool IsRunning(const std::string& name) const;
  // Asks the named job to stop and waits for it, at most bound; a job that
  // did not end is left to run out on its own. False in that case. The name
  // may be started again afterwards.
  bool Stop(const std::string& name, std::chrono::milliseconds bound = kExitBound);
  // Asks every job to stop at once (each stop token raised, every sleep
  // woken), then waits for them all, at most bound in all. False when a job
  // did not end in time: its thread is left to the end of the process, which
  // should then end without running anything that the job may still use.
  // Nothing starts afterwards.
  bool StopAll(std::chrono::milliseconds bound = kExitBound);
  WorkTracker* Tracker() const { return tracker_; }

 private:
  WorkTracker* tracker_;
  mutable std::mutex mutex_;
  bool closed_ = false;
  std::map<std::string, std::unique_ptr<WorkerThread>> jobs_;
  std::map<std::string, WorkerThread::Body> bodies_;
};

}  // namespace tarvo
