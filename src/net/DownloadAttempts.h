#pragma once
// The ways a download tries an address, in order, until one gives a
// response: reload without cache and with the no-cache pragma, plain,
// reload, and plain again (no proxy is ever used, so the phone's last,
// direct try is the same request). Shared by DownloadToFile and the
// installer download.
#include <string>
#include <vector>

namespace tarvo {

inline const std::vector<std::vector<std::string>>& DownloadAttemptHeaders() {
  static const std::vector<std::vector<std::string>> attempts = {
      {"Cache-Control: no-cache", "Pragma: no-cache"},
      {},
      {"Cache-Control: no-cache"},
      {},
  };
  return attempts;
}

// Reads of a download body are at most this long.
inline constexpr size_t kDownloadReadSize = 1023;

}  // namespace tarvo
