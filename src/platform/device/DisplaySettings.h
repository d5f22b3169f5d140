#pragma once
// The device's display orientation (0, 90, 180 or 270 degrees). The display
// follows it through the listeners it tells about every change.
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace tarvo {

class DisplaySettings {
 public:
  using Listener = std::function<void(int degrees)>;
  using ListenerId = int;

  int Orientation() const;
  // Accepts 0, 90, 180 and 270 only. Listeners are called outside the lock,
  // on the caller's thread.
  bool SetOrientation(int degrees);
  ListenerId AddListener(Listener listener);
  // Once this returns the listener is never called again; a call in progress
  // on another thread is waited for.
  void RemoveListener(ListenerId id);

 private:
  struct Entry {
    ListenerId id = 0;
    Listener listener;
    std::recursive_mutex calling;  // held while the listener runs
    bool removed = false;
  };

  mutable std::mutex mutex_;
  int degrees_ = 0;
  ListenerId nextId_ = 1;
  std::vector<std::shared_ptr<Entry>> listeners_;
};

}  // namespace tarvo
