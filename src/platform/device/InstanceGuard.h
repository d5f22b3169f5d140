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
  // The owner hears requests on a thread of its own until StopListening.
  void ListenForRequests(std::function<void()> onComeForward);
  // Wakes and joins the listener at once; after it returns the callback is
  // never called again. Call it before whatever the callback uses goes.
  void StopListening();

 private:
  std::string lockPath_;
  std::string socketPath_;
  int lockFd_ = -1;
  int socketFd_ = -1;
  int wakeFd_ = -1;  // an eventfd that ends the listener's wait
  std::atomic<bool> stopping_{false};
  std::thread listener_;
};

}  // namespace tarvo
