#pragma once
#include <string>
#include <utility>
#include <vector>

namespace tarvo::servers {

// One request as it arrived: when (UTC, "2026-12-07T01:02:03.456Z"), the
// method, the raw target (path and query, still escaped) and every header
// in name order.
struct LoggedRequest {
  std::string time;
  std::string method;
  std::string target;
  std::vector<std::pair<std::string, std::string>> headers;

  // The first header of that name (any case), or "" when there is none.
  std::string Header(const std::string& name) const;
};

}  // namespace tarvo::servers
