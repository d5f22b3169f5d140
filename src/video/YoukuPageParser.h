#pragma once
// The Youku search result page: status checks, then every section and the
// plain videos cut into a YoukuResult.
#include "platform/text/WString.h"
#include "video/YoukuResult.h"

namespace tarvo::video {

// Parses the page text into result and returns its status (kStatus...). The
// store is emptied only once the page passed the no-result, fault and
// withheld checks. youkuSite (scheme and host) prefixes the episode-list
// addresses of the shows found.
int ParseYoukuPage(WStringView text, YoukuResult& result, WStringView youkuSite);

// youkuSite + "/show_eplist/showid_z" + showId + "_type_list.html".
WString EpisodeListUrl(WStringView youkuSite, WStringView showId);

}  // namespace tarvo::video
