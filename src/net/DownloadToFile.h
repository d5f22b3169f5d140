#pragma once
// A blocking download of an address into a file, for pictures and the update
// description. It reports nothing: callers look at the file afterwards. A
// failed download leaves no file, or a partial or empty one.
#include "net/HttpFetch.h"

namespace tarvo {

void DownloadToFile(WStringView url, FileAccess& files, WStringView filePath,
                    HttpFetchTimeouts timeouts = {});

}  // namespace tarvo
