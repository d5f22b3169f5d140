#include "video/soku/SokuEntryPages.h"

#include "platform/text/Utf8.h"
#include "video/TextCut.h"
#include "video/soku/SokuMarkers.h"
#include "video/soku/SokuParser.h"
#include "video/soku/SokuParsers.h"

namespace tarvo::soku {
namespace {

using namespace markers;

constexpr char16_t kGuideBar[] = u"<div class=\"guide\">";
constexpr char16_t kGuideLink[] = u"<a href=\"";
constexpr char16_t kResult[] = u"class=\"result\"";

}  // namespace

SokuEntryPage ParseSokuEntryPage(WStringView page, uint32_t resultFlags) {
  SokuEntryPage entry;
  video::MarkerFinder finder(page);
  size_t section = finder.Find(kSection);
  if (finder.Contains(kNoResults) || section == kNotFound) {
    entry.skipped = true;
    return entry;
  }
  size_t position = section;
  if (finder.Cut(position, kCurrent, kItemEnd, entry.title)) video::StripHighlight(entry.title);
  int layout = (resultFlags & (kSokuTv | kSokuCartoon)) ? kTabLayout : kLabelLayout;
  SokuSeries series;
  entry.ok = ParseEpisodeBlocks(page.substr(position), series, layout);
  entry.groups = std::move(series.groups);
  return entry;
}

GuideLinks CollectGuideLinks(WStringView page, WStringView sokuBase) {
  GuideLinks result;
  video::MarkerFinder finder(page);
  size_t g = finder.Find(kGuideBar);
  if (g == kNotFound) return result;
  size_t viewAll = finder.Find(kViewAll);
  if (viewAll == kNotFound) {
    result.message = kNoVideoAddressMessage;
    return result;
  }
  for (;;) {
    WString link;
    if (!finder.Cut(g, kGuideLink, kQuote, link)) return result;
    result.links.push_back(WString(sokuBase) + link);
    g = finder.Find(kGuideLink, g, viewAll + 1);
    if (g == kNotFound) break;
  }
  result.ok = true;
  return result;
}

bool ParseSeriesPage(WStringView page, int layout, SokuSeries& series) {
  video::MarkerFinder finder(page);
  size_t r = finder.Find(kResult);
  if (r == kNotFound) return false;
  WString label, current;
  if (layout == kTabLayout) finder.Cut(r, kLabel, kHeadingEnd, label);
  if (finder.Cut(r, kCurrent, kItemEnd, current)) video::StripHighlight(current);
  series.title = label + current;
  return ParseEpisodeBlocks(page, series, layout);
}

bool FetchSeriesPages(const std::vector<WString>& urls, int layout,
                      const video::PageFetcher& fetch, std::vector<SokuSeries>& out) {
  for (const WString& url : urls) {
    auto body = fetch(url);
    if (!body) return false;
    SokuSeries series;
    if (!ParseSeriesPage(FromUtf8(*body), layout, series)) return false;
    out.push_back(std::move(series));
  }
  return true;
}

}  // namespace tarvo::soku
