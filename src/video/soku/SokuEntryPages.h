#pragma once
// Pages behind the Soku result list: the page of a category entry (opened
// from a row in the links form), a guide bar's links, and series pages.
#include <vector>

#include "platform/text/WString.h"
#include "video/PageFetcher.h"
#include "video/soku/SokuResults.h"

namespace tarvo::soku {

struct SokuEntryPage {
  bool skipped = false;  // "<!--无结果-->" or no "class="section"": the entry stays as it is
  bool ok = true;
  WString title;
  std::vector<SokuGroup> groups;
};

// One entry page of a category row. The layout follows the result flags:
// tab layout for TV series and cartoons, else label layout.
SokuEntryPage ParseSokuEntryPage(WStringView page, uint32_t resultFlags);

struct GuideLinks {
  bool ok = false;
  WString message;  // shown before the failure, or empty
  std::vector<WString> links;
};

// SokuBase + every "<a href="" link of the page's guide bar up to its
// "class="viewall"".
GuideLinks CollectGuideLinks(WStringView page, WStringView sokuBase);

// One series page: its title ("class="label">" heading in the tab layout,
// then the current tab) and its episode blocks. False when the page has no
// "class="result"" or its blocks fail.
bool ParseSeriesPage(WStringView page, int layout, SokuSeries& series);

// Every URL in order, fetched and read as a series page into out. False on
// the first page that brings no body or fails.
bool FetchSeriesPages(const std::vector<WString>& urls, int layout,
                      const video::PageFetcher& fetch, std::vector<SokuSeries>& out);

inline constexpr char16_t kNoVideoAddressMessage[] = u"无法获取此视频地址";

}  // namespace tarvo::soku
