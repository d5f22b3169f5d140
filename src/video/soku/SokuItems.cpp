// The item list shared by every Soku section and episode block.
#include "video/TextCut.h"
#include "video/soku/SokuMarkers.h"
#include "video/soku/SokuParser.h"

namespace tarvo::soku {
namespace {

using namespace markers;

constexpr char16_t kItem[] = u"class=\"item\"";
constexpr char16_t kTitle[] = u"title=\"";
constexpr char16_t kClickLog[] = u"clicklog('";
constexpr char16_t kApostrophe[] = u"'";
constexpr char16_t kScriptLink[] = u"javascript:void(0);";
constexpr char16_t kHttp[] = u"http";
constexpr char16_t kTime[] = u"class=\"time\">";
constexpr char16_t kTagStart[] = u"<";
constexpr char16_t kCaption[] = u"class=\"i_title\">";

}  // namespace

bool SokuParser::ItemList(size_t start, size_t end, std::vector<VideoRecord>& items) {
  size_t list = finder_.Find(kItems, start);
  if (list == kNotFound) return false;
  items.clear();
  size_t p = finder_.Find(kItem, list);
  if (p == kNotFound) return false;
  for (;;) {
    VideoRecord item;
    size_t titleAt = p;
    if (!finder_.Cut(titleAt, kTitle, kQuote, item.title)) return false;
    if (!finder_.Cut(p, kHref, kQuote, item.url)) return false;
    if (item.url == kScriptLink || !video::StartsWith(item.url, kHttp)) {
      if (!finder_.Cut(p, kClickLog, kApostrophe, item.url)) return false;
    }
    if (!finder_.Cut(p, kSrc, kQuote, item.thumb)) return false;
    // Optional: without it the duration stays empty and p stays.
    finder_.Cut(p, kTime, kTagStart, item.duration);
    size_t caption = finder_.Find(kCaption, p);
    if (caption == kNotFound) return false;
    p = caption + WStringView(kCaption).size();
    if (!finder_.Cut(p, kTagEnd, kLinkClose, item.spare)) return false;
    video::StripHighlight(item.spare);
    if (p > end) item.spare.clear();
    items.push_back(std::move(item));
    size_t next = finder_.Find(kItem, p + WStringView(kItem).size(), end == kNotFound ? end : end + 1);
    if (next == kNotFound) return true;
    p = next;
  }
}

}  // namespace tarvo::soku
