#pragma once
// A blocking download of an address into a file, for pictures and the update
// description. It reports nothing: callers look at the file afterwards. The
// body is gathered first and replaces the file only once it arrived whole; a
// download that fails for any reason (no response, a time-out, a broken or
// stopped transfer, a body over HttpFetch::kMaxContent) removes the file, so
// an earlier copy is never taken for the new one.
#include <atomic>

#include "net/HttpFetch.h"

namespace tarvo {

void DownloadToFile(WStringView url, FileAccess& files, WStringView filePath,
                    HttpFetchTimeouts timeouts = {}, const std::atomic<bool>* stop = nullptr);

}  // namespace tarvo
