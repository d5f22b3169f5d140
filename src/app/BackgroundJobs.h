#pragma once
// The program's named background jobs (update check, joke sync, ticker...):
// start by name, ask whether one still runs, and stop and join them all at exit.
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "tools/WorkerThread.h"

namespace tarvo {

class BackgroundJobs {
 public:
  BackgroundJobs() = default;
  ~BackgroundJobs() { StopAll(); }
  BackgroundJobs(const BackgroundJobs&) = delete;
  BackgroundJobs& operator=(const BackgroundJobs&) = delete;

  // False when the job of that name still runs.
  bool Start(const std::string& name, WorkerThread::Body body);
  // The work a named job does, given by the subsystem that owns it, so that
  // others can start it by name (a new connection starts the update check).
  void Define(const std::string& name, WorkerThread::Body body);
  // Starts a defined job; false when it is undefined or still runs.
  bool StartDefined(const std::string& name);
  // As IsThreadRunning answers it: false for a job never started.
  bool IsRunning(const std::string& name) const;
  // Asks every job to stop and waits for all of them.
  void StopAll();

 private:
  mutable std::mutex mutex_;
  std::map<std::string, std::unique_ptr<WorkerThread>> jobs_;
  std::map<std::string, WorkerThread::Body> bodies_;
};

}  // namespace tarvo
