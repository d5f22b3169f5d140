#pragma once
// tvlist.txt, the recommended channel list of the content server: records of
// "#", the channel name, CR LF, the play address, CR LF.
#include <vector>

#include "platform/text/WString.h"
#include "tv/TvChannel.h"

namespace tarvo {

inline constexpr char16_t kTvListSuspendedMarker[] = u"网站被暂停";

// Whether fetched text can be a channel list: not empty, beginning with "#",
// and not the server's page saying the site is suspended.
bool IsUsableTvListText(WStringView text);

// The records in order. A record whose name line has no CR LF ends the list;
// the last address may run to the end of the text. CR and LF left inside a
// name or address are removed.
std::vector<TvChannel> ParseTvListRecords(WStringView text);

}  // namespace tarvo
