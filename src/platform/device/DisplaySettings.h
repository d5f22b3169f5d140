#pragma once
// The device's display orientation (0, 90, 180 or 270 degrees). The display
// follows it through the listeners it tells about every change.
#include <functional>
#include <mutex>
#include <vector>

namespace tarvo {

class DisplaySettings {
 public:
  using Listener = std::function<void(int degrees)>;

  int Orientation() const;
  // Accepts 0, 90, 180 and 270 only.
  bool SetOrientation(int degrees);
  void AddListener(Listener listener);

 private:
  mutable std::mutex mutex_;
  int degrees_ = 0;
  std::vector<Listener> listeners_;
};

}  // namespace tarvo
