#pragma once
// One HTTP GET of a page, list or text file: constructing the object performs
// the transfer and returns when it ended, failed, timed out or was stopped.
// The response text is kept in memory (each read up to its first zero byte)
// and, when a file is given, every byte is also written to that file as it
// arrives.
#include <atomic>
#include <chrono>
#include <optional>
#include <string>

#include "platform/device/DeviceProfile.h"
#include "platform/device/FileAccess.h"
#include "platform/text/WString.h"

namespace tarvo {

struct HttpFetchTimeouts {
  std::chrono::milliseconds connect{30000};
  std::chrono::milliseconds request{30000};
  std::chrono::milliseconds read{30000};

  // The same wait for every step.
  static HttpFetchTimeouts Each(std::chrono::milliseconds wait) { return {wait, wait, wait}; }
  // Every step waits the device's [Network] TimeoutMs.
  static HttpFetchTimeouts ForDevice(const DeviceProfile& profile) {
    return Each(std::chrono::milliseconds(profile.NetworkTimeoutMs()));
  }
};

class HttpFetch {
 public:
  // A body larger than this ends the fetch unsuccessfully.
  static constexpr size_t kMaxContent = 16u << 20;

  // A fetch whose stop flag turns true ends at once, unsuccessful, with no
  // content; in file mode the file it had begun is removed.
  explicit HttpFetch(WStringView url, HttpFetchTimeouts timeouts = {},
                     const std::atomic<bool>* stop = nullptr);
  // File mode: the file (created or truncated) receives the raw response.
  HttpFetch(WStringView url, FileAccess& files, WStringView filePath,
            HttpFetchTimeouts timeouts = {}, const std::atomic<bool>* stop = nullptr);
  HttpFetch(const HttpFetch&) = delete;
  HttpFetch& operator=(const HttpFetch&) = delete;

  // True when at least one byte of text was received.
  bool Succeeded() const { return succeeded_; }
  // The received text in the server's encoding; nullptr when none.
  const std::string* Content() const { return content_.empty() ? nullptr : &content_; }

 private:
  void Run(WStringView url, FileAccess* files, WStringView filePath, HttpFetchTimeouts timeouts,
           const std::atomic<bool>* stop);

  bool succeeded_ = false;
  std::string content_;
};

}  // namespace tarvo
