#include "YoukuPageGenerator.h"

namespace tarvo::bench {
namespace {

std::string N(size_t n) { return std::to_string(n); }

void SeriesProgrammes(std::string& page) {
  page += "<!--系列节目-->\n<div class=\"varietyResult\"><img src=\"http://img.test/s.jpg\" />"
          "<ul class=\"year\">";
  for (int year = 2001; year <= 2010; ++year) {
    page += "<li onclick=\"showEp('" + N(year) + "')\">" + N(year) + "</li>";
  }
  page += "</ul></div>\n<!--系列节目结束-->\n";
}

void Person(std::string& page, size_t shows) {
  static const char* kStatuses[] = {"热播", "电影", "电视剧", "综艺", "预告片", "音乐"};
  page += "<div class=\"actorResult\"><img src=\"http://img.test/p.jpg\" /><div "
          "class=\"innerTab\"><a href=\"#a\">简介</a><a href=\"#b\">作品</a></div><ul "
          "class=\"shows\">\n";
  for (size_t i = 0; i < shows; ++i) {
    page += "<li class=\"show\"><a href=\"http://v.test/show/" + N(i) + "\" title=\"作品" + N(i) +
            "\">作品</a><span class=\"status\">" + kStatuses[i % 6] + "</span></li>\n";
  }
  page += "</ul><div class=\"clear\"></div></div>\n";
}

void Programmes(std::string& page, size_t blocks) {
  page += "<!--节目-->\n";
  for (size_t i = 0; i < blocks; ++i) {
    page += "<div class=\"varietyResult\"><img src=\"http://img.test/g" + N(i) +
            ".jpg\" /><h2 class=\"title\"><a href=\"http://y.test/show_page/id_z" + N(i) +
            ".html\"><span class=\"highlight\">节目</span>" + N(i) + "</a></h2></div>\n";
  }
  for (size_t i = 0; i < blocks; ++i) {
    page += "<div class=\"movieResult\"><a title=\"电影" + N(i) + "\" href=\"http://v.test/f/" +
            N(i) + "\"><img src=\"http://img.test/f" + N(i) +
            ".jpg\" /></a><span class=\"status\">正片</span></div>\n";
  }
  page += "<div class=\"showResult\">";
  for (size_t i = 0; i < blocks; ++i) {
    if (i > 0) page += "<!--电视剧-->\n<div class=\"showResult\">";
    page += "<img src=\"http://img.test/t" + N(i) + ".jpg\" /><a title=\"剧" + N(i) +
            "\" href=\"#\">剧</a><div class=\"detail\">";
    if (i % 2) page += "<div class=\"lead\"><a href=\"#1\">第一季</a><a href=\"#2\">第二季</a></div>";
    for (int season = 0; season < (i % 2 ? 2 : 1); ++season) {
      for (int e = 1; e <= 20; ++e) {
        page += "<a href=\"http://v.test/t/" + N(i) + "/" + N(e) + "\">" + N(e) + "</a> ";
      }
      page += "<div class=\"clear\"></div>";
    }
    page += "</div></div>\n";
  }
  page += "<!--节目结束-->\n";
}

void SeriesBlock(std::string& page, const char* start, const char* end, size_t blocks) {
  page += start;
  for (size_t i = 0; i < blocks; ++i) {
    page += "\n<div class=\"series\"><img src=\"http://img.test/e" + N(i) +
            ".jpg\" /><label>连载</label><div class=\"t\"><a href=\"#\">系列&amp;" + N(i) +
            "</a></div><div class=\"detail\">";
    for (int e = 1; e <= 12; ++e) {
      page += "<a href=\"http://v.test/e/" + N(i) + "/" + N(e) + "\">第" + N(e) + "集</a> ";
    }
    page += "</div></div>";
  }
  page += end;
  page += "\n";
}

void PlainVideo(std::string& page, size_t i) {
  page += "<li class=\"video\"><div class=\"vThumb\"><a href=\"http://v.test/v_show/id_" + N(i) +
          ".html\" title=\"视频标题&mdash;第" + N(i) + "个 A&amp;B\" target=\"_blank\"><img src=\"http://img.test/v" +
          N(i) + ".jpg\" alt=\"\" /></a><span class=\"time\">0" + N(i % 10) +
          ":35</span></div><div class=\"vInfo\"><p class=\"vTitle\">视频</p>";
  if (i % 3 != 1) page += "<p class=\"vIntro\">这是第" + N(i) + "个视频的介绍，内容丰富</p>";
  page += "<p class=\"vUser\">上传者 用户" + N(i) + "</p></div></li>\n";
}

}  // namespace

GeneratedPage GenerateYoukuPage(size_t bytes) {
  GeneratedPage generated;
  std::string& page = generated.bytes;
  page.reserve(bytes + 4096);
  // Sections take about a fifth of the page.
  generated.blocksPerSection = bytes / 25000 + 1;
  page += "<html><head><title>搜索结果</title></head><body>\n";
  SeriesProgrammes(page);
  Person(page, generated.blocksPerSection * 4);
  Programmes(page, generated.blocksPerSection);
  SeriesBlock(page, "<!--剧集-->", "<!--剧集结束-->", generated.blocksPerSection);
  SeriesBlock(page, "<!--综艺-->", "<!--综艺结束-->", generated.blocksPerSection);
  page += "<div class=\"vCollDetail\"><ul>\n";
  const std::string tail =
      "</ul></div>\n<!--vCollDetail-->\n<div class=\"pager\"><a href=\"#\">下一页</a></div>"
      "</body></html>\n";
  while (page.size() + tail.size() < bytes) PlainVideo(page, generated.plainVideos++);
  page += tail;
  return generated;
}

}  // namespace tarvo::bench
