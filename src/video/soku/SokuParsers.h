#pragma once
// The Soku page parsers. Positions are indexes into the page text; searches
// that the parsers do not bound may look past the end position given.
#include <vector>

#include "platform/text/WString.h"
#include "video/soku/SokuResults.h"

namespace tarvo::soku {

// The whole result page: 0 when it says there are no results, -2 on the
// site's fault notice (both leave results untouched), else results is
// cleared and filled: 1 when any block was read, else -1.
int ParseSokuPage(SokuResults& results, WStringView page, WStringView sokuBase);

// The items of a "class="items"" list from start; items after end are not
// taken. False when a required field is missing (items read stay).
bool ParseItemList(WStringView page, size_t start, size_t end, std::vector<VideoRecord>& items);

// A category section between start and end: items in place, or links to
// separate pages (the "class="viewall"" form, which sets kSokuMultiLink).
bool ParseSection(SokuResults& results, WStringView page, size_t start, size_t end,
                  std::vector<SokuSeries>& list, WStringView sokuBase);

// The works of a person, sorted into the category lists.
bool ParsePersonBlock(SokuResults& results, WStringView page, WStringView sokuBase);

// Appends the episode blocks of a page to series.groups.
bool ParseEpisodeBlocks(WStringView page, SokuSeries& series, int layout);

// "/v?keyword=" + encoded keyword + "&hd=%d&curpage=%d": the search URL
// after SokuBase.
WString SokuSearchPath(WStringView keyword, int hd, int page);

}  // namespace tarvo::soku
