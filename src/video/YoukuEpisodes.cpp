#include "video/YoukuEpisodes.h"

#include <set>

#include "platform/text/Utf8.h"
#include "video/MarkerFinder.h"
#include "video/TextCut.h"
#include "video/YoukuMarkers.h"

namespace tarvo::video {
namespace {

using namespace youku;

constexpr char16_t kEpisodeList[] = u"class=\"sn\"";
constexpr char16_t kListEnd[] = u"</ul>";
constexpr char16_t kCurrentPage[] = u"class=\"current\"";
constexpr char16_t kVideoLink[] = u"class=\"link\"";
constexpr char16_t kShowInfo[] = u"class=\"showInfo\"";
constexpr char16_t kTitleClass[] = u"class=\"title\"";
constexpr char16_t kFeature[] = u"正片";
constexpr char16_t kTrailer[] = u"预告";

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The path of an address ("http://host/path" gives "/path"); a path as it is.
WString PathOf(WStringView url) {
  size_t scheme = url.find(u"://");
  if (scheme == WStringView::npos) return WString(url);
  size_t path = url.find(u'/', scheme + 3);
  return path == WStringView::npos ? WString(u"/") : WString(url.substr(path));
}

// The whole episode list of a show, starting with the page already fetched
// from firstUrl. A pager link back to the first page counts as seen.
bool CollectEpisodeList(std::string firstBody, WStringView firstUrl, WStringView youkuSite,
                        const PageFetcher& fetch, EpisodeGroup& group) {
  std::set<WString> seen{PathOf(firstUrl)};
  std::string body = std::move(firstBody);
  for (int page = 1;; ++page) {
    EpisodeListPage parsed = ParseEpisodeListPage(FromUtf8(body));
    for (auto& episode : parsed.episodes) group.episodes.push_back(std::move(episode));
    if (parsed.next.empty() || page >= kMaxEpisodeListPages) return true;
    if (!seen.insert(parsed.next).second) return true;
    auto next = fetch(WString(youkuSite) + parsed.next);
    if (!next) return false;
    body = std::move(*next);
  }
}

}  // namespace

WString RewriteDateName(WStringView name) {
  if (name.size() != 6) return WString(name);
  for (char16_t c : name) {
    if (!IsDigit(c)) return WString(name);
  }
  WString date(name);
  date.insert(0, u"20");
  date.insert(4, u"-");
  date.insert(7, u"-");
  return date;
}

bool IsSingleVideoStatus(WStringView status) { return status == kFeature || status == kTrailer; }

EpisodeListPage ParseEpisodeListPage(WStringView text) {
  EpisodeListPage page;
  MarkerFinder finder(text);
  size_t list = finder.Find(kEpisodeList);
  size_t listEnd = finder.Find(kListEnd);
  if (list == kNotFound || listEnd == kNotFound || listEnd < list) return page;
  size_t link = finder.Find(kHref, list, listEnd);
  while (link < listEnd) {
    VideoRecord episode;
    if (!finder.Cut(link, kHref, kQuote, episode.url, listEnd) ||
        !finder.Cut(link, kTagEnd, kLinkClose, episode.title, listEnd)) {
      break;
    }
    episode.title = RewriteDateName(episode.title);
    page.episodes.push_back(std::move(episode));
    link = finder.Find(kHref, link, listEnd);
  }
  size_t current = finder.Find(kCurrentPage, listEnd);
  if (current != kNotFound) finder.Cut(current, kHref, kQuote, page.next);
  return page;
}

std::optional<VideoRecord> ParseSingleVideoPage(WStringView text) {
  MarkerFinder finder(text);
  VideoRecord video;
  size_t link = finder.Find(kVideoLink);
  if (link == kNotFound || !finder.Cut(link, kHref, kQuote, video.url)) return std::nullopt;
  size_t info = finder.Find(kShowInfo);
  if (info == kNotFound) return std::nullopt;
  size_t title = finder.Find(kTitleClass, info);
  if (title == kNotFound || !finder.Cut(title, kTagEnd, kTagStart, video.title)) {
    return std::nullopt;
  }
  RemoveBlanks(video.title);
  return video;
}

bool CompleteEpisodes(std::vector<SectionEntry>& entries, WStringView youkuSite,
                      const PageFetcher& fetch) {
  for (SectionEntry& entry : entries) {
    auto body = fetch(entry.url);
    if (!body) return false;
    if (IsSingleVideoStatus(entry.status)) {
      if (auto video = ParseSingleVideoPage(FromUtf8(*body))) {
        entry.groups.push_back(EpisodeGroup{entry.status, {std::move(*video)}});
      }
      continue;
    }
    EpisodeGroup group;
    if (!CollectEpisodeList(std::move(*body), entry.url, youkuSite, fetch, group)) return false;
    if (group.episodes.empty()) return false;
    entry.groups.push_back(std::move(group));
  }
  return true;
}

}  // namespace tarvo::video
