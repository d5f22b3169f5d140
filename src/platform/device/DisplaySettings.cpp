#include "platform/device/DisplaySettings.h"

#include <algorithm>

namespace tarvo {

int DisplaySettings::Orientation() const {
  std::lock_guard<std::mutex> guard(mutex_);
  return degrees_;
}

bool DisplaySettings::SetOrientation(int degrees) {
  if (degrees != 0 && degrees != 90 && degrees != 180 && degrees != 270) return false;
  std::vector<std::shared_ptr<Entry>> listeners;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    degrees_ = degrees;
    listeners = listeners_;
  }
  for (const auto& entry : listeners) {
    std::lock_guard<std::recursive_mutex> calling(entry->calling);
    if (!entry->removed) entry->listener(degrees);
  }
  return true;
}

DisplaySettings::ListenerId DisplaySettings::AddListener(Listener listener) {
  auto entry = std::make_shared<Entry>();
  entry->listener = std::move(listener);
  std::lock_guard<std::mutex> guard(mutex_);
  entry->id = nextId_++;
  listeners_.push_back(entry);
  return entry->id;
}

void DisplaySettings::RemoveListener(ListenerId id) {
  std::shared_ptr<Entry> entry;
  {
    std::lock_guard<std::mutex> guard(mutex_);
    auto found = std::find_if(listeners_.begin(), listeners_.end(),
                              [id](const auto& candidate) { return candidate->id == id; });
    if (found == listeners_.end()) return;
    entry = *found;
    listeners_.erase(found);
  }
  std::lock_guard<std::recursive_mutex> calling(entry->calling);
  entry->removed = true;
}

}  // namespace tarvo
