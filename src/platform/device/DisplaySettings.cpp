#include "platform/device/DisplaySettings.h"

namespace tarvo {

int DisplaySettings::Orientation() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return degrees_;
}

bool DisplaySettings::SetOrientation(int degrees) {
  if (degrees != 0 && degrees != 90 && degrees != 180 && degrees != 270) return false;
  std::vector<Listener> listeners;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    degrees_ = degrees;
    listeners = listeners_;
  }
  for (const auto& listener : listeners) listener(degrees);
  return true;
}

void DisplaySettings::AddListener(Listener listener) {
  std::lock_guard<std::mutex> guard(mutex_);
  listeners_.push_back(std::move(listener));
}

}  // namespace tarvo
