#include "youku/YoukuPages.h"

#include <algorithm>

namespace tarvo::servers::youku {
namespace {

constexpr char kNoResults[] = "<!--无结果-->";
constexpr char kSiteFault[] = "<p>网站遇到临时故障，请稍后再试。</p>";
constexpr char kWithheld[] = "<p>搜索结果可能涉及不符合相关法律法规和政策的内容，未予显示。</p>";

std::string Picture(const std::string& base, const std::string& picture) {
  return !picture.empty() && picture[0] == '/' ? base + picture : picture;
}

std::string EpisodeListAddress(const std::string& base, const std::string& showId) {
  return base + "/show_eplist/showid_z" + showId + "_type_list.html";
}

std::string EpisodeListPath(const std::string& showId, int page) {
  if (page == 1) return "/show_eplist/showid_z" + showId + "_type_list.html";
  return "/show_eplist/showid_z" + showId + "_page_" + std::to_string(page) + ".html";
}

std::string SearchPath(const SearchRequest& request, const std::string& encodedKeyword, int page) {
  return "/search_video/q_" + encodedKeyword + "_orderby_" + std::to_string(request.order) + "_hd_" +
         std::to_string(request.hd) + "_page_" + std::to_string(page);
}

// The keyword as the client encodes it: every UTF-8 byte "%X" or "%XX".
std::string EncodeKeyword(const std::string& keyword) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char byte : keyword) {
    out += '%';
    if (byte >= 0x10) out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
  }
  return out;
}

void SeriesBlock(const KeywordEntry& entry, const std::string& base, std::string& page) {
  if (entry.series.empty()) return;
  page += "<!--系列节目-->\n<div class=\"varietyResult\">\n <img src=\"" + Picture(base, entry.series[0].picture) +
          "\" alt=\"\" />\n <ul class=\"year\">\n";
  for (const Show& show : entry.series)
    page += "  <li onclick=\"showEp('" + show.id + "')\">" + show.title + "</li>\n";
  page += " </ul>\n</div>\n<!--系列节目结束-->\n";
}

void PersonBlock(const KeywordEntry& entry, const std::string& base, std::string& page) {
  if (entry.persons.empty()) return;
  page += "<div class=\"actorResult\">\n <img src=\"" + Picture(base, entry.photo) +
          "\" alt=\"\" />\n <div class=\"innerTab\"><a href=\"#intro\">简介</a><a href=\"#works\">作品</a></div>\n"
          " <ul class=\"shows\">\n";
  for (const Show& show : entry.persons)
    page += "  <li class=\"show\"><a href=\"" + EpisodeListAddress(base, show.id) + "\" title=\"" + show.title +
            "\">" + show.title + "</a><span class=\"status\">" + show.status + "</span></li>\n";
  page += " </ul>\n <div class=\"clear\"></div>\n</div>\n";
}

void LinkList(const Season& season, const std::string& base, std::string& page) {
  for (const Episode& episode : season.episodes)
    page += "<li><a href=\"" + VideoAddress(base, episode.vid) + "\">" + episode.name + "</a></li>";
}

void TvBlock(const Show& show, const std::string& base, std::string& page) {
  page += "<div class=\"showResult\">\n <img src=\"" + Picture(base, show.picture) + "\" alt=\"\" /><a title=\"" +
          show.title + "\" href=\"#\">" + show.title + "</a>\n <div class=\"detail\">\n";
  const bool seasons = show.seasons.size() > 1 || (!show.seasons.empty() && !show.seasons[0].name.empty());
  if (seasons) {
    page += "  <div class=\"lead\">";
    for (size_t i = 0; i < show.seasons.size(); ++i)
      page += "<a href=\"#s" + std::to_string(i + 1) + "\">" + show.seasons[i].name + "</a>";
    page += "</div>\n";
  }
  for (const Season& season : show.seasons) {
    page += "  <ul>";
    LinkList(season, base, page);
    page += "</ul><div class=\"clear\"></div>\n";
  }
  page += " </div>\n</div>\n";
}

void ProgrammeBlocks(const KeywordEntry& entry, const std::string& base, std::string& page) {
  if (entry.programmes.empty() && entry.films.empty() && entry.tv.empty()) return;
  page += "<!--节目-->\n";
  for (const Show& show : entry.programmes)
    page += "<div class=\"varietyResult\">\n <img src=\"" + Picture(base, show.picture) +
            "\" alt=\"\" />\n <h2 class=\"title\"><a href=\"" + base + "/show_page/id_z" + show.id + ".html\">" +
            show.title + "</a></h2>\n</div>\n";
  for (const Show& show : entry.films)
    page += "<div class=\"movieResult\">\n <a title=\"" + show.title + "\" href=\"" + VideoAddress(base, show.id) +
            "\"><img src=\"" + Picture(base, show.picture) + "\" alt=\"\" /></a>\n <span class=\"status\">" +
            show.status + "</span>\n</div>\n";
  for (size_t i = 0; i < entry.tv.size(); ++i) {
    if (i > 0) page += "<!--电视剧-->\n";
    TvBlock(entry.tv[i], base, page);
  }
  page += "<!--节目结束-->\n";
}

void SeriesBlocks(const std::vector<Show>& shows, const char* start, const char* end, const std::string& base,
                  std::string& page) {
  if (shows.empty()) return;
  page += start;
  page += "\n";
  for (const Show& show : shows) {
    page += "<div class=\"series\">\n <img src=\"" + Picture(base, show.picture) + "\" alt=\"\" />\n <label>" +
            show.status + "</label>\n <div class=\"t\"><a href=\"" + base + "/show_page/id_z0.html\">" + show.title +
            "</a></div>\n <div class=\"detail\">";
    for (const Episode& episode : show.seasons[0].episodes)
      page += "<a href=\"" + VideoAddress(base, episode.vid) + "\">" + episode.name + "</a> ";
    page += "</div>\n</div>\n";
  }
  page += end;
  page += "\n";
}

std::vector<PlainVideo> Ordered(std::vector<PlainVideo> videos, const SearchRequest& request) {
  if (request.hd == 1)
    videos.erase(std::remove_if(videos.begin(), videos.end(), [](const PlainVideo& v) { return !v.hd; }),
                 videos.end());
  auto by = [&](auto field) {
    std::stable_sort(videos.begin(), videos.end(),
                     [&](const PlainVideo& a, const PlainVideo& b) { return field(a) > field(b); });
  };
  switch (request.order) {
    case 2: by([](const PlainVideo& v) { return v.published; }); break;
    case 3: by([](const PlainVideo& v) { return v.plays; }); break;
    case 4: by([](const PlainVideo& v) { return v.comments; }); break;
    case 5: by([](const PlainVideo& v) { return v.favourites; }); break;
    default: break;  // relevance: catalogue order
  }
  return videos;
}

void PlainVideos(const std::vector<PlainVideo>& videos, const std::string& base, std::string& page) {
  page += "<div class=\"vCollDetail\">\n<ul>\n";
  for (const PlainVideo& video : videos) {
    page += "<li class=\"video\"><a href=\"" + VideoAddress(base, video.vid) + "\" title=\"" + video.title +
            "\"><img src=\"" + base + "/img/v/" + video.vid + ".jpg\" alt=\"\" /></a><span class=\"time\">" +
            video.duration + "</span>";
    if (!video.intro.empty()) page += "<p class=\"vIntro\">" + video.intro + "</p>";
    page += "</li>\n";
  }
  page += "</ul>\n</div>\n<!--vCollDetail-->\n";
}

std::string Wrap(const std::string& body) {
  return "<html><head><title>搜索结果</title></head><body>\n" + body + "</body></html>\n";
}

}  // namespace

std::string VideoAddress(const std::string& base, const std::string& vid) {
  return base + "/v_show/id_" + vid + ".html";
}

std::string SearchPage(const Catalogue& catalogue, const SearchRequest& request, const std::string& base) {
  const auto found = catalogue.keywords.find(request.keyword);
  if (found == catalogue.keywords.end()) return Wrap(std::string(kNoResults) + "\n");
  const KeywordEntry& entry = found->second;
  if (entry.notice == "none") return Wrap(std::string(kNoResults) + "\n");
  if (entry.notice == "fault") return Wrap(std::string(kSiteFault) + "\n");
  if (entry.notice == "bare") return "<html><body><p>请稍候</p></body></html>\n";
  std::string page;
  if (entry.notice == "withheld") page += std::string(kWithheld) + "\n";
  const std::vector<PlainVideo> videos = Ordered(entry.videos, request);
  const size_t first = (static_cast<size_t>(request.page) - 1) * kVideosPerPage;
  const bool blocks = request.page == 1;
  if (blocks) {
    SeriesBlock(entry, base, page);
    PersonBlock(entry, base, page);
    ProgrammeBlocks(entry, base, page);
    SeriesBlocks(entry.episodes, "<!--剧集-->", "<!--剧集结束-->", base, page);
    SeriesBlocks(entry.variety, "<!--综艺-->", "<!--综艺结束-->", base, page);
  }
  if (first < videos.size()) {
    const size_t end = std::min(videos.size(), first + kVideosPerPage);
    PlainVideos({videos.begin() + static_cast<long>(first), videos.begin() + static_cast<long>(end)}, base, page);
    const std::string encoded = EncodeKeyword(request.keyword);
    page += "<div class=\"pager\">";
    if (request.page > 1) page += "<a href=\"" + SearchPath(request, encoded, request.page - 1) + "\">上一页</a>";
    if (end < videos.size()) page += "<a href=\"" + SearchPath(request, encoded, request.page + 1) + "\">下一页</a>";
    page += "</div>\n";
  } else if (!blocks || page.empty()) {
    return Wrap(std::string(kNoResults) + "\n");
  }
  return Wrap(page);
}

std::string EpisodeListPage(const Catalogue& catalogue, const EpisodeListRequest& request,
                            const std::string& base) {
  const auto found = catalogue.episodeLists.find(request.showId);
  if (found == catalogue.episodeLists.end()) return "";
  const EpisodeList& list = found->second;
  const int pages = std::max<int>(1, static_cast<int>((list.episodes.size() + kEpisodesPerPage - 1) / kEpisodesPerPage));
  if (request.page > pages) return "";
  std::string page = "<html><body><h1>节目</h1>\n<ul class=\"sn\">\n";
  const size_t first = static_cast<size_t>(request.page - 1) * kEpisodesPerPage;
  for (size_t i = first; i < list.episodes.size() && i < first + kEpisodesPerPage; ++i)
    page += "  <li><a href=\"" + VideoAddress(base, list.episodes[i].vid) + "\">" + list.episodes[i].name +
            "</a></li>\n";
  page += "</ul>\n<div class=\"pages\">\n  ";
  for (int i = 1; i <= pages; ++i) {
    if (i == request.page)
      page += "<span class=\"current\">" + std::to_string(i) + "</span>";
    else
      page += "<a href=\"" + EpisodeListPath(request.showId, i) + "\">" + std::to_string(i) + "</a>";
  }
  // The looping list's last page offers page 1 again after its marker.
  if (list.loops && request.page == pages && pages > 1)
    page += "<a href=\"" + EpisodeListPath(request.showId, 1) + "\">首页</a>";
  page += "\n</div></body></html>\n";
  return page;
}

std::string VideoTitle(const Catalogue& catalogue, const std::string& vid) {
  if (auto title = catalogue.titles.find(vid); title != catalogue.titles.end()) return title->second;
  for (const auto& [keyword, entry] : catalogue.keywords) {
    for (const PlainVideo& video : entry.videos)
      if (video.vid == vid) return video.title;
  }
  return vid;
}

std::string SingleVideoPage(const Catalogue& catalogue, const std::string& vid, const std::string& base) {
  return "<html><body>\n<div class=\"showInfo\"><h1 class=\"title\">" + VideoTitle(catalogue, vid) +
         "</h1></div>\n<div class=\"link\"><a href=\"" + VideoAddress(base, vid) +
         "\">播放</a></div>\n</body></html>\n";
}

}  // namespace tarvo::servers::youku
