#include "hot/HotPages.h"

#include <algorithm>

namespace tarvo::servers::hot {
namespace {

const std::vector<HotEntry>& EntriesOf(const std::map<std::string, std::vector<HotEntry>>& map,
                                      const std::string& key) {
  static const std::vector<HotEntry> kNone;
  auto at = map.find(key);
  return at == map.end() ? kNone : at->second;
}

std::string Head(const std::string& title) {
  return "<html><head><meta charset=utf-8><title>" + title + "</title></head><body>\n";
}

// Never a link: the client would read an "href=" after the last item as one more.
constexpr char kFoot[] = "<p class=top>回顶部</p>\n</body></html>\n";

// Five ">" from the link's own to the one before the title, as on the channel pages.
void TudouEntries(const std::vector<HotEntry>& entries, const std::string& base, const std::string& kind,
                  std::string& page) {
  for (const HotEntry& entry : entries) {
    const std::string link = base + "/tudou/" + kind + "/" + entry.id;
    page += "<div class=v><a href=" + link + "><img src=" + base + "/img/v/" + entry.id +
            ".jpg></a></div><div class=t><a href=" + link + ">" + entry.title + "</a></div>\n";
  }
}

void YoukuEntries(const std::vector<HotEntry>& entries, const std::string& base, std::string& page) {
  for (const HotEntry& entry : entries) {
    const std::string link = YoukuItemAddress(base, entry.id);
    page += "<div class=v><a href=" + link + " class=p><img src=" + base + "/img/v/" + entry.id + ".jpg>" +
            entry.title + "</a><p><a href=" + link + " class=t>" + entry.title + "</a></p></div>\n";
  }
}

std::string IndexLink(const std::string& base, int page, const std::string& text) {
  return "<a href=" + base + "/yk/index.php?k=&p=" + std::to_string(page) + ">" + text + "</a>";
}

}  // namespace

std::string TudouItemAddress(const std::string& base, const std::string& id) { return base + "/tudou/flv/" + id; }

std::string YoukuItemAddress(const std::string& base, const std::string& id) {
  return base + "/yk/?ykvideo=" + id;
}

std::string TudouPage(const HotCatalogue& catalogue, const std::string& channel, const std::string& base) {
  std::string page = Head("土豆热点");
  page += "<div class=nav><a href=" + base + "/tudou/>土豆首页</a></div>\n<h2>普通视频</h2>\n";
  TudouEntries(EntriesOf(catalogue.tudou, channel), base, "flv", page);
  page += "<h2>视频专辑</h2>\n";
  TudouEntries(EntriesOf(catalogue.albums, channel), base, "album", page);
  return page + kFoot;
}

std::string YoukuCategoryPage(const HotCatalogue& catalogue, const std::string& catpid, const std::string& base) {
  std::string page = Head("优酷热点");
  page += "<h2>热门视频</h2>\n";
  YoukuEntries(EntriesOf(catalogue.youku, catpid), base, page);
  return page + kFoot;
}

std::string YoukuIndexPage(const HotCatalogue& catalogue, int page, const std::string& base) {
  std::string text = Head("优酷热点 第" + std::to_string(page) + "页");
  text += "<h2>热门视频</h2>\n";
  const int count = IndexPageCount(catalogue);
  if (page >= 1 && page <= count) {
    const size_t first = static_cast<size_t>(page - 1) * kIndexPageSize;
    const size_t last = std::min(catalogue.index.size(), first + kIndexPageSize);
    YoukuEntries(std::vector<HotEntry>(catalogue.index.begin() + static_cast<long>(first),
                                       catalogue.index.begin() + static_cast<long>(last)),
                 base, text);
  }
  if (page >= 1) {
    text += "<div class=pager>";
    if (page > 1) text += IndexLink(base, page - 1, "上一页") + " ";
    text += "第" + std::to_string(page) + "页";
    if (page < count) text += " " + IndexLink(base, page + 1, "下一页");
    text += "</div>\n";
  }
  return text + kFoot;
}

}  // namespace tarvo::servers::hot
