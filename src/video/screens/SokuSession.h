#pragma once
// One Soku search as its screens share it: the query and the last-page
// flag; the parsed page lives in the application's one SokuResults.
#include "app/shell/TarvoApp.h"
#include "video/PageFetcher.h"
#include "video/screens/VideoHosts.h"

namespace tarvo::video {

struct SokuSession {
  VideoServers servers;
  WString keyword;
  int hd = 0;
  bool noNextPage = false;
};

// Fetches result page `page` of the session's query under the wait cursor
// and parses it into app.Soku; returns the parse status. A page saying
// "no results" or the site's fault leaves the store as it was.
int LoadSokuPage(CTarvoApp& app, SokuSession& session, int page);

// Blocking fetches with the session's time-outs (UI thread, wait cursor by
// the caller).
PageFetcher SokuFetcher(const VideoServers& servers);

// Pages a row tap or a guide bar follows at most.
inline constexpr size_t kMaxFollowedPages = 100;

}  // namespace tarvo::video
