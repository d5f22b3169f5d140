#include "soku/SokuPages.h"

#include "youku/YoukuRequest.h"

namespace tarvo::servers::soku {
namespace {

constexpr char kHead[] = "<html><head><title>Soku</title></head><body>\n";
constexpr char kTail[] = "</body></html>\n";

std::string Picture(const std::string& base, const std::string& picture) {
  if (picture.empty()) return "";
  return picture[0] == '/' ? base + picture : base + "/soku/img/" + picture;
}

std::string ValueOf(std::string_view query, std::string_view name) {
  size_t at = 0;
  while (at <= query.size()) {
    const size_t end = std::min(query.find('&', at), query.size());
    const std::string_view pair = query.substr(at, end - at);
    if (pair.substr(0, name.size()) == name && pair.size() > name.size() && pair[name.size()] == '=')
      return std::string(pair.substr(name.size() + 1));
    at = end + 1;
  }
  return "";
}

int SmallNumber(const std::string& digits, int fallback) {
  if (digits.empty() || digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos)
    return fallback;
  return std::stoi(digits);
}

// The href and clicklog argument of an item, by the target's form.
struct ItemLink {
  std::string href;
  std::string clicklog;
};

ItemLink LinkOf(const std::string& target, const std::string& base) {
  if (target.empty()) return {"", ""};
  const std::string id = target.substr(1);
  switch (target[0]) {
    case '~': return {"javascript:void(0);", "/go?to=" + SokuVideoAddress(base, id)};
    case '!': return {"/v_show/id_" + id + ".html", "/v_show/id_" + id + ".html"};
    case '@': return {"javascript:void(0);", "/soku/guide/" + id + ".html"};
    case '#': return {"/soku/series/" + id + ".html", "/soku/series/" + id + ".html"};
    case '+': return {base + "/soku/series/" + id + ".html", ""};
    default: return {SokuVideoAddress(base, target), ""};
  }
}

std::string PictureOfTarget(const std::string& target, const std::string& base) {
  std::string name;
  for (char c : target)
    if (c != '~' && c != '!' && c != '@' && c != '#' && c != '+') name += c;
  return base + "/soku/img/" + name + ".jpg";
}

void Item(std::string& page, const std::string& title, const std::string& caption, const ItemLink& link,
          const std::string& picture, const std::string& duration) {
  page += "  <li class=\"item\"><a title=\"" + title + "\" href=\"" + link.href + "\"";
  if (!link.clicklog.empty()) page += " onclick=\"clicklog('" + link.clicklog + "');\"";
  page += "><img src=\"" + picture + "\" /></a>";
  if (!duration.empty()) page += "<span class=\"time\">" + duration + "</span>";
  page += "<div class=\"i_title\"><a href=\"#\">" + caption + "</a></div></li>\n";
}

void EpisodeList(std::string& page, const std::string& showTitle, const std::vector<SokuEpisode>& episodes,
                 const std::string& base) {
  page += " <ul class=\"items\">\n";
  for (size_t i = 0; i < episodes.size(); ++i)
    Item(page, showTitle + episodes[i].name, episodes[i].name, LinkOf(episodes[i].target, base),
         PictureOfTarget(episodes[i].target, base), EpisodeDuration(i));
  page += " </ul>";
}

// Titled links to entry pages, then the "class="viewall"" link; without
// titles the viewall link is the only one.
void LinkSection(std::string& page, const std::vector<SokuShow>& shows, bool titled, const std::string& base) {
  if (titled) {
    for (const SokuShow& show : shows)
      page += " <div class=\"section\"><a href=\"/soku/entry/" + show.entry + ".html\">" + show.title +
              "</a><img src=\"" + Picture(base, show.picture) + "\" /></div>\n";
    page += " <a class=\"viewall\" href=\"/soku/all.html\">全部</a>\n";
  } else {
    page += " <a class=\"viewall\" href=\"/soku/entry/" + shows.front().entry + ".html\"><img src=\"" +
            Picture(base, shows.front().picture) + "\" /></a>\n";
  }
}

void PersonBlock(const SokuKeyword& keyword, const std::string& base, std::string& page) {
  if (keyword.person.empty() || (keyword.personTv.empty() && keyword.personVariety.empty())) return;
  page += "<!--人物--> <div class=\"person\">" + keyword.person + "</div>\n<div class=\"tv\">\n";
  for (const SokuShow& show : keyword.personTv) {
    page += " <div class=\"guide\">" + keyword.person + "的电视剧</div>\n";
    EpisodeList(page, "", show.episodes, base);
    page += "\n <div class=\"clear\"></div>\n";
  }
  if (!keyword.personVariety.empty()) {
    page += " <div class=\"guide\">" + keyword.person + "的综艺</div>\n";
    LinkSection(page, keyword.personVariety, true, base);
    page += " <div class=\"clear\"></div>\n";
  }
  page += "</div>\n<!--人物结束-->\n";
}

void ShowBlocks(const SokuKeyword& keyword, const std::string& base, std::string& page) {
  for (const SokuShow& show : keyword.tv) {
    page += "<!--电视剧-->\n<div class=\"tv\">\n <ul class=\"tabs\"><li class=\"current\">" + show.title +
            "</li></ul>\n";
    EpisodeList(page, show.title, show.episodes, base);
    page += "\n</div>\n<!--tv end-->\n";
    break;  // one TV block a page
  }
  if (!keyword.cartoon.empty()) {
    page += "<!--动漫-->\n<div class=\"tv\">\n";
    LinkSection(page, keyword.cartoon, false, base);
    page += "</div>\n<!--tv end-->\n";
  }
  if (!keyword.film.empty()) {
    page += "<!--电影 分部-->\n<div class=\"movie\">\n";
    LinkSection(page, keyword.film, true, base);
    page += "</div>\n<!--movie end-->\n";
  }
  if (!keyword.variety.empty()) {
    page += "<!--综艺-->\n<div class=\"va\">\n";
    LinkSection(page, keyword.variety, true, base);
    page += "</div>\n<!--va end-->\n";
  }
}

// Video items: odd ones absolute, every third after the first by script,
// the rest relative with their address in clicklog.
void VideoItems(const std::vector<const SokuVideo*>& videos, const std::string& base, std::string& page) {
  if (videos.empty()) return;
  page += "<!--普通项-->\n<ul class=\"items\">\n";
  for (size_t i = 0; i < videos.size(); ++i) {
    const SokuVideo& video = *videos[i];
    const std::string address = SokuVideoAddress(base, video.vid);
    ItemLink link = i % 3 == 0   ? ItemLink{address, ""}
                    : i % 3 == 1 ? ItemLink{"javascript:void(0);", address}
                                 : ItemLink{"/detail/" + video.vid, address};
    Item(page, video.title, video.caption, link, base + "/soku/img/" + video.vid + ".jpg", video.duration);
  }
  page += "</ul>\n<!--items end-->\n";
}

// The blocks of an entry or series page: a tab bar (for the tab layout),
// then each block under its "class="label">" heading (for the label layout).
void EpisodeBlocks(const SokuEpisodePage& entry, const char* anchor, const std::string& base, std::string& page) {
  page += "<div class=\"" + std::string(anchor) + "\"><h3>";
  for (const SokuTab& tab : entry.tabs) page += "<a>" + tab.label + "</a>";
  page += "</h3><div class=\"clear\"></div></div>\n";
  for (const SokuTab& tab : entry.tabs) {
    if (entry.person.empty()) page += "<h3 class=\"label\">" + tab.label + "</h3>\n";
    EpisodeList(page, entry.title, tab.episodes, base);
    page += "<!--items end-->\n";
  }
}

}  // namespace

std::string SokuVideoAddress(const std::string& base, const std::string& vid) {
  return base + "/v_show/id_" + vid + ".html";
}

std::optional<SokuSearchRequest> ParseSokuQuery(std::string_view rawQuery) {
  const std::string keyword = ValueOf(rawQuery, "keyword");
  if (keyword.empty()) return std::nullopt;
  SokuSearchRequest request;
  request.keyword = youku::DecodeKeyword(keyword);
  request.hd = SmallNumber(ValueOf(rawQuery, "hd"), 0) == 1 ? 1 : 0;
  request.page = std::max(1, SmallNumber(ValueOf(rawQuery, "curpage"), 1));
  return request;
}

std::string SokuSearchPage(const SokuCatalogue& catalogue, const SokuSearchRequest& request,
                           const std::string& base) {
  const auto found = catalogue.keywords.find(request.keyword);
  if (found == catalogue.keywords.end() || found->second.notice == "none")
    return kHead + std::string("<p>没有找到</p><!--无结果-->\n") + kTail;
  const SokuKeyword& keyword = found->second;
  if (keyword.notice == "fault") return kHead + std::string("<p>网站遇到临时故障，请稍后再试。</p>\n") + kTail;
  std::vector<const SokuVideo*> videos;
  for (const SokuVideo& video : keyword.videos)
    if (request.hd == 0 || video.hd) videos.push_back(&video);
  const size_t first = static_cast<size_t>(request.page - 1) * kItemsPerPage;
  std::string page = kHead;
  if (request.page == 1) {
    PersonBlock(keyword, base, page);
    if (keyword.person.empty()) ShowBlocks(keyword, base, page);
  } else if (first >= videos.size()) {
    return kHead + std::string("<p>没有找到</p><!--无结果-->\n") + kTail;
  }
  std::vector<const SokuVideo*> shown;
  for (size_t i = first; i < videos.size() && shown.size() < kItemsPerPage; ++i) shown.push_back(videos[i]);
  VideoItems(shown, base, page);
  page += "<div class=\"pager\"><span>第" + std::to_string(request.page) + "页</span>";
  if (first + kItemsPerPage < videos.size()) page += "<a href=\"/v?curpage=" + std::to_string(request.page + 1) + "\">下一页</a>";
  return page + "</div>\n" + kTail;
}

std::string SokuEntryPage(const SokuCatalogue& catalogue, const std::string& id, const std::string& base) {
  const auto found = catalogue.entries.find(id);
  if (found == catalogue.entries.end()) return "";
  const SokuEpisodePage& entry = found->second;
  std::string page = kHead;
  page += "<div class=\"result\"><div class=\"section\">\n<ul class=\"tabs\"><li class=\"current\">" + entry.title +
          "</li></ul>\n";
  EpisodeBlocks(entry, "guide", base, page);
  return page + "</div></div>\n<!--result end-->\n" + kTail;
}

std::string SokuGuidePage(const SokuCatalogue& catalogue, const std::string& id) {
  const auto found = catalogue.guides.find(id);
  if (found == catalogue.guides.end()) return "";
  std::string page = kHead + std::string("<div class=\"guide\">");
  for (const std::string& series : found->second) page += "<a href=\"/soku/series/" + series + ".html\">" + series + "</a>";
  return page + "<a class=\"viewall\" href=\"/soku/all.html\">全部</a></div>\n<p><a href=\"/soku/about.html\">关于</a></p>\n" + kTail;
}

std::string SokuSeriesPage(const SokuCatalogue& catalogue, const std::string& id, const std::string& base) {
  const auto found = catalogue.series.find(id);
  if (found == catalogue.series.end()) return "";
  const SokuEpisodePage& series = found->second;
  std::string page = kHead + std::string("<div class=\"result\">\n");
  // With a person heading the page is in the tab layout, else in the label layout.
  if (!series.person.empty()) page += "<h3 class=\"label\">" + series.person + "</h3>\n";
  page += "<ul class=\"tabs\"><li class=\"current\">" + series.title + "</li></ul>\n";
  EpisodeBlocks(series, series.person.empty() ? "queue" : "queque", base, page);
  return page + "</div>\n<!--result end-->\n" + kTail;
}

}  // namespace tarvo::servers::soku
