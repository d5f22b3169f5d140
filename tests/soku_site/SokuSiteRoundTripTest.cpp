// The stand-in Soku site read back by the program's own Soku parsers: every
// page gives the catalogue's entries, episodes and videos back.
#include <gtest/gtest.h>

#include "StandInServers.h"
#include "platform/text/Utf8.h"
#include "servers/Fetch.h"
#include "soku/SokuCatalogue.h"
#include "soku/SokuPages.h"
#include "video/soku/SokuEntryPages.h"
#include "video/soku/SokuParsers.h"

namespace tarvo::soku {
namespace {

using servers::soku::SokuCatalogue;
using servers::soku::SokuEpisode;
using servers::soku::SokuTab;

class SokuSiteRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    options.httpPort = 0;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
    base_ = servers_.HttpBase();
    site_ = FromUtf8(base_);
    catalogue_ = servers::soku::ReadSokuCatalogueFile(TARVO_SERVER_DATA_DIR);
    ASSERT_FALSE(catalogue_.keywords.empty());
  }

  std::string Page(const std::string& path) { return servers::testing::Fetch(base_ + path).body; }
  std::string SearchPage(const char16_t* keyword, int hd, int page) {
    return Page(ToUtf8(SokuSearchPath(keyword, hd, page)));
  }
  int Search(const char16_t* keyword, int hd, int page, SokuResults& results) {
    return ParseSokuPage(results, FromUtf8(SearchPage(keyword, hd, page)), site_);
  }
  video::PageFetcher Fetcher() {
    return [](const WString& url) -> std::optional<std::string> {
      auto fetched = servers::testing::Fetch(ToUtf8(url));
      if (fetched.status != 200) return std::nullopt;
      return fetched.body;
    };
  }

  // Where an item's link must lead, by the catalogue's target form.
  std::string Link(const std::string& target) {
    const std::string id = target.substr(1);
    switch (target[0]) {
      case '~': return "/go?to=" + base_ + "/v_show/id_" + id + ".html";
      case '!': return "/v_show/id_" + id + ".html";
      case '@': return "/soku/guide/" + id + ".html";
      case '#': return "/soku/series/" + id + ".html";
      case '+': return base_ + "/soku/series/" + id + ".html";
      default: return base_ + "/v_show/id_" + target + ".html";
    }
  }
  std::string Picture(const std::string& target) {
    const std::string id = target[0] == '~' || target[0] == '!' || target[0] == '@' || target[0] == '#' ||
                                   target[0] == '+'
                               ? target.substr(1)
                               : target;
    return base_ + "/soku/img/" + id + ".jpg";
  }
  std::vector<VideoRecord> Expected(const std::string& showTitle, const std::vector<SokuEpisode>& episodes) {
    std::vector<VideoRecord> records;
    for (size_t i = 0; i < episodes.size(); ++i) {
      records.push_back(VideoRecord{FromUtf8(showTitle + episodes[i].name), FromUtf8(episodes[i].name),
                                    FromUtf8(Link(episodes[i].target)), FromUtf8(Picture(episodes[i].target)),
                                    FromUtf8(servers::soku::EpisodeDuration(i)), u""});
    }
    return records;
  }
  std::vector<SokuGroup> ExpectedGroups(const std::string& title, const std::vector<SokuTab>& tabs) {
    std::vector<SokuGroup> groups;
    for (const SokuTab& tab : tabs) groups.push_back(SokuGroup{Expected(title, tab.episodes), FromUtf8(tab.label)});
    return groups;
  }

  servers::StandInServers servers_;
  std::string base_;
  WString site_;
  SokuCatalogue catalogue_;
};

TEST_F(SokuSiteRoundTrip, AShowGivesEveryCategoryBackOnItsFirstPage) {
  SokuResults results;
  ASSERT_EQ(Search(u"海潮", 0, 1, results), 1);
  EXPECT_EQ(results.flags, kSokuTv | kSokuCartoon | kSokuMovie | kSokuVariety | kSokuItems | kSokuMultiLink);
  const auto& show = catalogue_.keywords.at("海潮");
  ASSERT_EQ(results.tv.size(), 1u);
  EXPECT_EQ(results.tv[0].title, u"海潮人家");  // from "class="current">"
  EXPECT_EQ(results.tv[0].url, u"");
  ASSERT_EQ(results.tv[0].groups.size(), 1u);
  EXPECT_EQ(results.tv[0].groups[0].items, Expected("海潮人家", show.tv[0].episodes));
  EXPECT_EQ(results.tv[0].groups[0].items[0].duration, u"20:00");
  EXPECT_EQ(results.tv[0].image, FromUtf8(base_ + "/soku/img/ht01.jpg"));
  // The cartoon: one untitled link.
  ASSERT_EQ(results.cartoon.size(), 1u);
  EXPECT_EQ(results.cartoon[0].title, u"");
  EXPECT_EQ(results.cartoon[0].url, site_ + u"/soku/entry/ca01.html");
  EXPECT_EQ(results.cartoon[0].image, site_ + u"/soku/img/cartoon.jpg");
  // Films and variety: titled links.
  ASSERT_EQ(results.movie.size(), 2u);
  EXPECT_EQ(results.movie[0].title, u"海潮之夜");
  EXPECT_EQ(results.movie[0].url, site_ + u"/soku/entry/fm11.html");
  EXPECT_EQ(results.movie[1].title, u"海潮之夜续集");
  EXPECT_EQ(results.movie[1].url, site_ + u"/soku/entry/fm12.html");
  ASSERT_EQ(results.variety.size(), 1u);
  EXPECT_EQ(results.variety[0].title, u"海潮周末");
  EXPECT_EQ(results.variety[0].url, site_ + u"/soku/entry/vz01.html");
  EXPECT_EQ(results.items.size(), 10u);
}

TEST_F(SokuSiteRoundTrip, VideosComeTenAPageWithNextPageOnlyBeforeALaterOne) {
  const auto& videos = catalogue_.keywords.at("海潮").videos;
  ASSERT_EQ(videos.size(), 23u);
  std::vector<VideoRecord> all;
  for (int page = 1; page <= 3; ++page) {
    const std::string text = SearchPage(u"海潮", 0, page);
    EXPECT_EQ(text.find("下一页") != std::string::npos, page < 3) << page;
    SokuResults results;
    ASSERT_EQ(ParseSokuPage(results, FromUtf8(text), site_), 1) << page;
    EXPECT_EQ(results.flags & kSokuTv, page == 1 ? kSokuTv : 0u);
    all.insert(all.end(), results.items.begin(), results.items.end());
  }
  ASSERT_EQ(all.size(), 23u);
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i].title, FromUtf8(videos[i].title)) << i;
    EXPECT_EQ(all[i].spare, FromUtf8(videos[i].caption)) << i;
    EXPECT_EQ(all[i].url, FromUtf8(base_ + "/v_show/id_" + videos[i].vid + ".html")) << i;
    EXPECT_EQ(all[i].thumb, FromUtf8(base_ + "/soku/img/" + videos[i].vid + ".jpg")) << i;
    EXPECT_EQ(all[i].duration, FromUtf8(videos[i].duration)) << i;
  }
  EXPECT_EQ(all[0].title, u"海潮片段01");
  EXPECT_EQ(all[3].duration, u"28:52");
  EXPECT_EQ(all[9].duration, u"");  // the last of page 1 has no "class="time">"
  // Past the last page: no results.
  SokuResults none;
  EXPECT_EQ(Search(u"海潮", 0, 4, none), 0);
}

TEST_F(SokuSiteRoundTrip, HdPagesHoldOnlyHdVideos) {
  SokuResults first, second;
  const std::string page1 = SearchPage(u"海潮", 1, 1);
  ASSERT_EQ(ParseSokuPage(first, FromUtf8(page1), site_), 1);
  EXPECT_NE(page1.find("下一页"), std::string::npos);
  ASSERT_EQ(first.items.size(), 10u);
  EXPECT_EQ(first.items[1].title, u"海潮片段03");
  const std::string page2 = SearchPage(u"海潮", 1, 2);
  EXPECT_EQ(page2.find("下一页"), std::string::npos);
  ASSERT_EQ(ParseSokuPage(second, FromUtf8(page2), site_), 1);
  ASSERT_EQ(second.items.size(), 2u);
  EXPECT_EQ(second.items[1].title, u"海潮片段23");
}

TEST_F(SokuSiteRoundTrip, APersonGivesTheirSeriesInPlaceAndTheirVarietyAsLinks) {
  SokuResults results;
  ASSERT_EQ(Search(u"林远", 0, 1, results), 1);
  EXPECT_EQ(results.flags, kSokuPerson | kSokuTv | kSokuVariety | kSokuItems | kSokuMultiLink);
  ASSERT_EQ(results.tv.size(), 1u);
  ASSERT_EQ(results.tv[0].groups.size(), 1u);
  EXPECT_EQ(results.tv[0].groups[0].items, Expected("", catalogue_.keywords.at("林远").personTv[0].episodes));
  EXPECT_EQ(results.tv[0].groups[0].items[0].url, u"/soku/series/ps01.html");
  EXPECT_EQ(results.tv[0].groups[0].items[1].url, site_ + u"/soku/series/ps02.html");
  EXPECT_EQ(results.tv[0].title, u"山城往事");  // the first item's: the block has no current tab
  ASSERT_EQ(results.variety.size(), 1u);
  EXPECT_EQ(results.variety[0].title, u"林远周末秀");
  EXPECT_EQ(results.variety[0].url, site_ + u"/soku/entry/pv01.html");
  EXPECT_TRUE(results.variety[0].groups.empty());
  EXPECT_EQ(results.items.size(), 5u);
}

TEST_F(SokuSiteRoundTrip, EveryEntryPageReadsAlikeInBothLayouts) {
  ASSERT_GE(catalogue_.entries.size(), 4u);
  for (const auto& [id, entry] : catalogue_.entries) {
    const WString page = FromUtf8(Page("/soku/entry/" + id + ".html"));
    for (uint32_t flags : std::initializer_list<uint32_t>{kSokuTv | kSokuItems, kSokuCartoon, kSokuMovie | kSokuMultiLink, kSokuVariety}) {
      SokuEntryPage read = ParseSokuEntryPage(page, flags);
      EXPECT_FALSE(read.skipped) << id;
      EXPECT_TRUE(read.ok) << id;
      EXPECT_EQ(read.title, FromUtf8(entry.title)) << id;
      EXPECT_EQ(read.groups, ExpectedGroups(entry.title, entry.tabs)) << id << " flags " << flags;
    }
  }
  // The person's variety items hold guide pages in clicklog.
  SokuEntryPage variety = ParseSokuEntryPage(FromUtf8(Page("/soku/entry/pv01.html")), kSokuPerson | kSokuTv);
  ASSERT_EQ(variety.groups.size(), 2u);
  EXPECT_EQ(variety.groups[0].label, u"2010年");
  EXPECT_EQ(variety.groups[0].items[1].url, u"/soku/guide/g02.html");
  // An unknown entry: a 404 body, skipped.
  EXPECT_TRUE(ParseSokuEntryPage(FromUtf8(Page("/soku/entry/nosuch.html")), kSokuMovie).skipped);
}

TEST_F(SokuSiteRoundTrip, GuidePagesLinkTheirSeriesPages) {
  for (const auto& [id, series] : catalogue_.guides) {
    GuideLinks links = CollectGuideLinks(FromUtf8(Page("/soku/guide/" + id + ".html")), site_);
    ASSERT_TRUE(links.ok) << id;
    ASSERT_EQ(links.links.size(), series.size()) << id;
    for (size_t i = 0; i < series.size(); ++i)
      EXPECT_EQ(links.links[i], FromUtf8(base_ + "/soku/series/" + series[i] + ".html"));
  }
  EXPECT_EQ(catalogue_.guides.at("g01"), (std::vector<std::string>{"vs01", "vs02"}));
}

TEST_F(SokuSiteRoundTrip, SeriesPagesGiveTheirTitlesAndBlocks) {
  ASSERT_GE(catalogue_.series.size(), 5u);
  for (const auto& [id, page] : catalogue_.series) {
    const int layout = page.person.empty() ? kLabelLayout : kTabLayout;
    std::vector<SokuSeries> out;
    ASSERT_TRUE(FetchSeriesPages({FromUtf8(base_ + "/soku/series/" + id + ".html")}, layout, Fetcher(), out)) << id;
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].title, FromUtf8(page.person + page.title)) << id;
    EXPECT_EQ(out[0].groups, ExpectedGroups(page.title, page.tabs)) << id;
  }
  std::vector<SokuSeries> spring;
  ASSERT_TRUE(FetchSeriesPages({site_ + u"/soku/series/vs01.html"}, kLabelLayout, Fetcher(), spring));
  ASSERT_EQ(spring[0].groups.size(), 2u);
  EXPECT_EQ(spring[0].groups[0].label, u"");  // a block without a label
  EXPECT_EQ(spring[0].groups[1].label, u"加更");
  std::vector<SokuSeries> person;
  ASSERT_TRUE(FetchSeriesPages({site_ + u"/soku/series/ps01.html"}, kTabLayout, Fetcher(), person));
  EXPECT_EQ(person[0].title, u"林远山城往事");
  EXPECT_EQ(person[0].groups[1].label, u"4集");
  // A page that does not exist ends the fetch with failure.
  std::vector<SokuSeries> missing;
  EXPECT_FALSE(FetchSeriesPages({site_ + u"/soku/series/nosuch.html"}, kLabelLayout, Fetcher(), missing));
}

TEST_F(SokuSiteRoundTrip, NoticesAndUnknownKeywords) {
  SokuResults results;
  EXPECT_EQ(Search(u"无此片", 0, 1, results), 0);
  EXPECT_EQ(Search(u"片库故障", 0, 1, results), -2);
  EXPECT_EQ(Search(u"从未有过", 0, 1, results), 0);
  EXPECT_NE(SearchPage(u"从未有过", 0, 1).find("<!--无结果-->"), std::string::npos);
}

TEST(SokuRequest, TheKeywordIsReadFromTheRawQuery) {
  using servers::soku::ParseSokuQuery;
  auto request = ParseSokuQuery("keyword=%E6%B5%B7%E6%BD%AE&hd=1&curpage=2");
  ASSERT_TRUE(request);
  EXPECT_EQ(request->keyword, "海潮");
  EXPECT_EQ(request->hd, 1);
  EXPECT_EQ(request->page, 2);
  EXPECT_EQ(ParseSokuQuery("keyword=%61%20%62&hd=0&curpage=1")->keyword, "a b");
  EXPECT_EQ(ParseSokuQuery("keyword=%9%61&hd=0&curpage=1")->keyword, "\ta");  // one-digit escapes
  EXPECT_EQ(ParseSokuQuery("keyword=x&hd=7&curpage=0")->hd, 0);
  EXPECT_EQ(ParseSokuQuery("keyword=x&hd=7&curpage=0")->page, 1);
  EXPECT_EQ(ParseSokuQuery("keyword=x")->page, 1);
  EXPECT_FALSE(ParseSokuQuery("hd=1&curpage=2"));
  EXPECT_FALSE(ParseSokuQuery("keyword=&hd=1"));
}

}  // namespace
}  // namespace tarvo::soku
