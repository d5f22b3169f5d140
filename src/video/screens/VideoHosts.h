#pragma once
// Where the video screens fetch from: the device profile's servers and its
// fetch time-outs, read once when a search screen opens.
#include "app/shell/TarvoApp.h"
#include "net/HttpFetch.h"
#include "platform/text/Utf8.h"

namespace tarvo::video {

struct VideoServers {
  WString youkuSearch;  // scheme, host and port of the search pages
  WString youkuSite;    // of the show and episode-list pages
  WString parsePage;    // the parse page address, with its path
  WString sokuBase;     // scheme, host and port of the Soku pages
  HttpFetchTimeouts timeouts;

  static VideoServers ForDevice(const DeviceProfile& profile) {
    return VideoServers{FromUtf8(profile.Server("YoukuSearch")), FromUtf8(profile.Server("YoukuSite")),
                        FromUtf8(profile.Server("ParsePage")), FromUtf8(profile.Server("SokuBase")),
                        HttpFetchTimeouts::ForDevice(profile)};
  }
};

}  // namespace tarvo::video
