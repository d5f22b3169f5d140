#include "ArmedFaults.h"

namespace tarvo::servers {

void ArmedFaults::Arm(const std::string& prefix, const FaultKind& kind, int count) {
  std::lock_guard lock(mutex_);
  armed_.push_back({prefix, kind, count > 0 ? count : 0});
}

void ArmedFaults::Clear() {
  std::lock_guard lock(mutex_);
  armed_.clear();
}

std::optional<FaultKind> ArmedFaults::Take(const std::string& path) {
  std::lock_guard lock(mutex_);
  auto best = armed_.end();
  for (auto it = armed_.begin(); it != armed_.end(); ++it) {
    if (path.compare(0, it->prefix.size(), it->prefix) != 0) continue;
    if (best == armed_.end() || it->prefix.size() >= best->prefix.size()) best = it;
  }
  if (best == armed_.end()) return std::nullopt;
  const FaultKind kind = best->kind;
  if (best->remaining > 0 && --best->remaining == 0) armed_.erase(best);
  return kind;
}

}  // namespace tarvo::servers
