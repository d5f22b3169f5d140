#include "app/BackgroundJobs.h"

#include "tools/SystemHelpers.h"

namespace tarvo {

bool BackgroundJobs::Start(const std::string& name, WorkerThread::Body body) {
  std::lock_guard<std::mutex> guard(mutex_);
  auto& worker = jobs_[name];
  if (!worker) worker = std::make_unique<WorkerThread>();
  return worker->Start(std::move(body));
}

void BackgroundJobs::Define(const std::string& name, WorkerThread::Body body) {
  std::lock_guard<std::mutex> guard(mutex_);
  bodies_[name] = std::move(body);
}

bool BackgroundJobs::StartDefined(const std::string& name) {
  WorkerThread::Body body;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    auto found = bodies_.find(name);
    if (found == bodies_.end()) return false;
    body = found->second;
  }
  return Start(name, std::move(body));
}

bool BackgroundJobs::IsRunning(const std::string& name) const {
  std::lock_guard<std::mutex> guard(mutex_);
  auto found = jobs_.find(name);
  return found != jobs_.end() && IsThreadRunning(*found->second);
}

void BackgroundJobs::StopAll() {
  std::map<std::string, std::unique_ptr<WorkerThread>> jobs;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    jobs.swap(jobs_);
  }
  for (auto& [name, worker] : jobs) worker->RequestStop();
  jobs.clear();  // each worker joins its thread as it goes
}

}  // namespace tarvo
