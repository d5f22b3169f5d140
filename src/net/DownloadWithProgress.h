#pragma once
// The installer download: its own transfer, straight into the target file,
// each read (at most 1023 bytes) written as it comes, with the tenths of the
// way reported as they change. Tried the ways DownloadToFile tries an
// address until one gives a response.
#include <atomic>
#include <functional>

#include "net/HttpFetch.h"

namespace tarvo {

// The tenth reached after a read: with a length of 10 or more, received
// bytes / (length / 10); otherwise one more per read, up to 10.
class DownloadTenths {
 public:
  explicit DownloadTenths(long long length) : length_(length) {}
  int AfterRead(long long receivedBytes);

 private:
  long long length_;
  int counted_ = 0;
};

struct DownloadResult {
  bool complete = false;  // the body ended normally, status 200, ≥ 1 byte, length as announced
  long status = 0;
  long long length = -1;  // announced; -1 when none
  long long received = 0;
};

// onTenth is called on this thread whenever the tenth changes (1 to 10). A
// transfer that is not complete leaves no file behind.
DownloadResult DownloadWithProgress(WStringView url, FileAccess& files, WStringView filePath,
                                    const std::function<void(int tenth)>& onTenth,
                                    HttpFetchTimeouts timeouts = {}, const std::atomic<bool>* stop = nullptr);

}  // namespace tarvo
