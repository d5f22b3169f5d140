#pragma once
// One Youku search as its screens share it: the query, the parsed result
// store and the last-page flag; loading a page rewrites them.
#include "app/shell/TarvoApp.h"
#include "video/YoukuResult.h"
#include "video/screens/VideoHosts.h"

namespace tarvo::video {

struct YoukuSession {
  VideoServers servers;
  WString keyword;
  int orderIndex = 0;
  int hd = 0;
  YoukuResult result;
  bool noNextPage = false;
};

// Fetches result page `page` of the session's query under the wait cursor
// and parses it into the store; returns the parse status. Before page 1 the
// store is emptied, so a page without results never shows an earlier
// search's; a later page keeps the old results when it has none.
int LoadYoukuPage(CTarvoApp& app, YoukuSession& session, int page);

}  // namespace tarvo::video
