#pragma once
// One running program per device: a lock on the device directory held for
// the life of the process, and a local socket on which a second start asks
// the running one to come forward.
#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace tarvo {

class InstanceGuard {
 public:
  explicit InstanceGuard(const std::string& deviceDir);
  ~InstanceGuard();
  InstanceGuard(const InstanceGuard&) = delete;
  InstanceGuard& operator=(const InstanceGuard&) = delete;

  // True when this process now owns the device.
  bool Acquire();
  // From a second start: asks the owner to come forward; true when it was told.
  bool AskOwnerToComeForward();
  // The owner hears requests on a thread of its own.
  void ListenForRequests(std::function<void()> onComeForward);

 private:
  std::string lockPath_;
  std::string socketPath_;
  int lockFd_ = -1;
  int socketFd_ = -1;
  std::atomic<bool> stopping_{false};
  std::thread listener_;
};

}  // namespace tarvo
