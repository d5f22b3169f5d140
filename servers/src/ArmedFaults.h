#pragma once
// Faults armed for paths by prefix, each for a number of requests or for good.
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "FaultKinds.h"

namespace tarvo::servers {

class ArmedFaults {
 public:
  // count > 0: the next `count` matching requests; 0 or less: every one.
  void Arm(const std::string& prefix, const FaultKind& kind, int count);
  void Clear();
  // The fault for a request to `path`, using up one of its requests: the
  // longest matching prefix, the latest armed among equals.
  std::optional<FaultKind> Take(const std::string& path);

 private:
  struct Armed {
    std::string prefix;
    FaultKind kind;
    int remaining;  // 0 or less: forever
  };
  std::mutex mutex_;
  std::vector<Armed> armed_;
};

}  // namespace tarvo::servers
