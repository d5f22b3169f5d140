#include "app/BackgroundJobs.h"

#include "tools/SystemHelpers.h"

namespace tarvo {

bool BackgroundJobs::Start(const std::string& name, WorkerThread::Body body) {
  std::lock_guard<std::mutex> guard(mutex_);
  if (closed_) return false;
  auto& worker = jobs_[name];
  if (!worker) worker = std::make_unique<WorkerThread>(tracker_);
  return worker->Start(std::move(body));
}

void BackgroundJobs::Define(const std::string& name, WorkerThread::Body body) {
  std::lock_guard<std::mutex> guard(mutex_);
  bodies_[name] = std::move(body);
}

bool BackgroundJobs::Defines(const std::string& name) const {
  std::lock_guard<std::mutex> guard(mutex_);
  return bodies_.count(name) != 0;
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

bool BackgroundJobs::Stop(const std::string& name, std::chrono::milliseconds bound) {
  std::unique_ptr<WorkerThread> worker;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    auto found = jobs_.find(name);
    if (found == jobs_.end()) return true;
    worker = std::move(found->second);
    jobs_.erase(found);
  }
  worker->RequestStop();
  if (worker->Join(bound)) return true;
  worker->Abandon();
  return false;
}

bool BackgroundJobs::StopAll(std::chrono::milliseconds bound) {
  std::map<std::string, std::unique_ptr<WorkerThread>> jobs;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    closed_ = true;
    jobs.swap(jobs_);
  }
  for (auto& [name, worker] : jobs) worker->RequestStop();
  const auto deadline = std::chrono::steady_clock::now() + bound;
  bool allEnded = true;
  for (auto& [name, worker] : jobs) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (worker->Join(std::max(left, std::chrono::milliseconds(0)))) continue;
    allEnded = false;
    worker->Abandon();  // still running: joining would hang the exit
  }
  return allEnded;
}

}  // namespace tarvo
