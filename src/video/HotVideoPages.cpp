// The proxy pages of the hot-video page server.
#include "video/HotVideo.h"
#include "video/MarkerFinder.h"

namespace tarvo::video {
namespace {

constexpr char16_t kTudouStart[] = u"普通视频";
constexpr char16_t kTudouAlbums[] = u"视频专辑";
constexpr char16_t kTudouHd[] = u"高清视频";
constexpr char16_t kBackToTop[] = u"回顶部";
constexpr char16_t kHref[] = u"href=";
constexpr char16_t kTagEnd[] = u">";
constexpr char16_t kTagStart[] = u"<";
constexpr char16_t kBlank[] = u" ";
constexpr char16_t kYoukuVideoPath[] = u"/yk/?ykvideo=";
constexpr char16_t kYoukuIndexPath[] = u"/yk/index.php?k=&p=";
constexpr char16_t kIndexQuery[] = u"?k=&p=";
constexpr char16_t kPreviousPage[] = u"上一页";
constexpr char16_t kNextPage[] = u"下一页";

// Each Tudou item: the link's ">" and four more, then the title.
constexpr int kTudouTagsBeforeTitle = 5;
constexpr int kMaxPageDigits = 9;

// Leading decimal digits, as the page number of a pager link.
int LeadingNumber(WStringView text) {
  int value = 0;
  for (size_t i = 0; i < text.size() && i < kMaxPageDigits; ++i) {
    if (text[i] < u'0' || text[i] > u'9') break;
    value = value * 10 + (text[i] - u'0');
  }
  return value;
}

}  // namespace

std::vector<HotItem> ParseTudouProxyPage(WStringView text) {
  std::vector<HotItem> items;
  MarkerFinder finder(text);
  size_t start = finder.Find(kTudouStart);
  if (start == kNotFound) return items;
  size_t end = finder.Find(kTudouAlbums, start);
  if (end == kNotFound) end = finder.Find(kTudouHd, start);
  if (end == kNotFound) end = finder.Find(kBackToTop, start);
  if (end == kNotFound) return items;
  size_t position = finder.Find(kHref, start, end);
  while (position < end) {
    HotItem item;
    if (!finder.Cut(position, kHref, kTagEnd, item.url)) break;
    size_t tag = position;
    for (int i = 1; i < kTudouTagsBeforeTitle && tag != kNotFound; ++i) {
      tag = finder.Find(kTagEnd, tag + 1);
    }
    if (tag == kNotFound) break;
    position = tag + 1;
    if (!finder.Cut(position, kTagEnd, kTagStart, item.title)) break;
    items.push_back(std::move(item));
    position = finder.Find(kHref, position, end);
  }
  return items;
}

std::vector<HotItem> ParseYoukuProxyPage(WStringView text, WStringView hotServer, int& page,
                                         int& lastPage) {
  std::vector<HotItem> items;
  MarkerFinder finder(text);
  const WString start = WString(kHref) + WString(hotServer) + kYoukuVideoPath;
  size_t position = finder.Find(start);
  size_t end = position == kNotFound ? kNotFound : finder.Find(kBackToTop, position);
  if (end != kNotFound) {
    for (;;) {
      HotItem item;
      if (!finder.Cut(position, kHref, kBlank, item.url)) break;
      if (IsYoukuIndexUrl(item.url)) break;
      size_t tag = finder.Find(kTagEnd, position);
      if (tag == kNotFound) break;
      position = tag + 1;
      if (!finder.Cut(position, kTagEnd, kTagStart, item.title)) break;
      items.push_back(std::move(item));
      // Each item carries two links; the next item starts at the third.
      size_t second = finder.Find(kHref, position, end + 1);
      if (second == kNotFound) break;
      size_t next = finder.Find(kHref, second + WStringView(kHref).size(), end + 1);
      if (next == kNotFound) break;
      position = next;
    }
  }
  const WString pager = WString(hotServer) + kYoukuIndexPath;
  size_t link = finder.Find(pager);
  WString number;
  size_t at = link;
  if (link != kNotFound && finder.Cut(at, kIndexQuery, kTagEnd, number)) {
    int n = LeadingNumber(number);
    page = finder.Find(kPreviousPage, link) != kNotFound ? n + 1 : n - 1;
    lastPage = finder.Find(kNextPage, link) == kNotFound ? 1 : 0;
  }
  return items;
}

}  // namespace tarvo::video
