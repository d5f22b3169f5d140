// The stand-in Youku site read back by the program's own parsers: every page
// gives the catalogue's shows, episodes and videos back.
#include <gtest/gtest.h>

#include "StandInServers.h"
#include "platform/text/Utf8.h"
#include "servers/Fetch.h"
#include "video/KeywordEncoding.h"
#include "video/YoukuEpisodes.h"
#include "video/YoukuPageParser.h"

namespace tarvo::video {
namespace {

class YoukuSiteRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    options.httpPort = 0;
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
    base_ = servers_.HttpBase();
    site_ = FromUtf8(base_);
  }

  std::string Page(const std::string& path) { return servers::testing::Fetch(base_ + path).body; }

  std::string SearchPage(const char16_t* keyword, int orderIndex, int hd, int page) {
    return Page(ToUtf8(YoukuSearchPath(keyword, orderIndex, hd, page)));
  }

  int Search(const char16_t* keyword, int orderIndex, int hd, int page, YoukuResult& result) {
    return ParseYoukuPage(FromUtf8(SearchPage(keyword, orderIndex, hd, page)), result, site_);
  }

  PageFetcher Fetcher() {
    return [this](const WString& url) -> std::optional<std::string> {
      auto fetched = servers::testing::Fetch(ToUtf8(url));
      if (fetched.body.empty()) return std::nullopt;
      return fetched.body;
    };
  }

  std::vector<std::string> Titles(const std::vector<SectionEntry>& entries) {
    std::vector<std::string> titles;
    for (const auto& entry : entries) titles.push_back(ToUtf8(entry.title));
    return titles;
  }

  std::vector<std::string> Titles(const std::vector<VideoRecord>& videos) {
    std::vector<std::string> titles;
    for (const auto& video : videos) titles.push_back(ToUtf8(video.title));
    return titles;
  }

  servers::StandInServers servers_;
  std::string base_;
  WString site_;
};

TEST_F(YoukuSiteRoundTrip, TheFirstPageHoldsEverySectionOfTheKeyword) {
  YoukuResult result;
  ASSERT_EQ(Search(u"星河", 0, 0, 1, result), kStatusFound);
  for (uint32_t flag : {kFlagSeriesProgrammes, kFlagPerson, kFlagProgrammes, kFlagFilms, kFlagTvSeries,
                        kFlagEpisodes, kFlagVariety, kFlagPlainVideos, kFlagHot, kFlagTrailers})
    EXPECT_TRUE(result.flags & flag) << std::hex << flag;
  using Names = std::vector<std::string>;
  EXPECT_EQ(Titles(result.Section(YoukuSection::kSeriesProgrammes)), (Names{"星河纪事2009", "星河纪事2010"}));
  EXPECT_EQ(ToUtf8(result.Section(YoukuSection::kSeriesProgrammes)[0].url),
            base_ + "/show_eplist/showid_z9001_type_list.html");
  EXPECT_EQ(ToUtf8(result.Section(YoukuSection::kSeriesProgrammes)[0].thumb), base_ + "/img/series.jpg");
  EXPECT_EQ(Titles(result.Section(YoukuSection::kProgrammes)), (Names{"星河夜谈", "星河周刊"}));
  EXPECT_EQ(Titles(result.Section(YoukuSection::kHot)), (Names{"星河热剧"}));
  EXPECT_EQ(Titles(result.Section(YoukuSection::kTrailers)), (Names{"星河新片"}));
  // The person show of status 音乐 is dropped; the person's 电影 joins the films.
  const Names films = Titles(result.Section(YoukuSection::kFilms));
  EXPECT_NE(std::find(films.begin(), films.end(), "星河远征"), films.end());
  EXPECT_NE(std::find(films.begin(), films.end(), "星河远航"), films.end());
  const Names tv = Titles(result.Section(YoukuSection::kTvSeries));
  EXPECT_NE(std::find(tv.begin(), tv.end(), "星河长歌"), tv.end());
  EXPECT_NE(std::find(tv.begin(), tv.end(), "第一季"), tv.end());
  EXPECT_NE(std::find(tv.begin(), tv.end(), "第二季"), tv.end());
  const auto& episodes = result.Section(YoukuSection::kEpisodes);
  ASSERT_EQ(episodes.size(), 1u);
  EXPECT_EQ(ToUtf8(episodes[0].title), "星河连载");
  EXPECT_EQ(ToUtf8(episodes[0].status), "连载中");
  EXPECT_EQ(Titles(episodes[0].groups.at(0).episodes), (Names{"第1集", "第2集"}));
  EXPECT_EQ(ToUtf8(episodes[0].groups[0].episodes[1].url), base_ + "/v_show/id_ep02.html");
  ASSERT_EQ(result.videos.size(), 10u);
  EXPECT_EQ(ToUtf8(result.videos[0].title), "星河片段01");
  EXPECT_EQ(ToUtf8(result.videos[0].url), base_ + "/v_show/id_xh01.html");
  EXPECT_EQ(ToUtf8(result.videos[0].thumb), base_ + "/img/v/xh01.jpg");
  EXPECT_EQ(ToUtf8(result.videos[0].duration), "07:13");
  EXPECT_EQ(ToUtf8(result.videos[0].intro), "星河片段01的介绍");
  EXPECT_EQ(ToUtf8(result.videos[2].intro), "");
  EXPECT_EQ(NoNextPage(FromUtf8(SearchPage(u"星河", 0, 0, 1))), 0);
}

TEST_F(YoukuSiteRoundTrip, LaterPagesHoldOnlyVideosAndTheLastHasNoNextPage) {
  YoukuResult result;
  ASSERT_EQ(Search(u"星河", 0, 0, 2, result), kStatusFound);
  EXPECT_EQ(result.flags, static_cast<uint32_t>(kFlagPlainVideos));
  EXPECT_EQ(ToUtf8(result.videos.at(0).title), "星河片段11");
  EXPECT_EQ(NoNextPage(FromUtf8(SearchPage(u"星河", 0, 0, 2))), 0);
  ASSERT_EQ(Search(u"星河", 0, 0, 3, result), kStatusFound);
  EXPECT_EQ(Titles(result.videos), (std::vector<std::string>{"星河片段21", "星河片段22", "星河片段23"}));
  EXPECT_EQ(NoNextPage(FromUtf8(SearchPage(u"星河", 0, 0, 3))), 1);
  EXPECT_EQ(Search(u"星河", 0, 0, 4, result), kStatusNoResults);
}

TEST_F(YoukuSiteRoundTrip, OrderingsSortTheVideosAndHdKeepsOnlyHdOnes) {
  YoukuResult result;
  ASSERT_EQ(Search(u"星河", 1, 0, 1, result), kStatusFound);  // newest first
  EXPECT_EQ(ToUtf8(result.videos.at(0).title), "星河片段23");
  EXPECT_EQ(ToUtf8(result.videos.at(1).title), "星河片段22");
  ASSERT_EQ(Search(u"星河", 2, 0, 1, result), kStatusFound);  // most played
  EXPECT_EQ(Titles(result.videos).at(0), "星河片段19");
  EXPECT_EQ(Titles(result.videos).at(1), "星河片段08");
  ASSERT_EQ(Search(u"星河", 0, 1, 1, result), kStatusFound);
  ASSERT_EQ(result.videos.size(), 10u);
  for (const auto& video : result.videos) {
    const std::string title = ToUtf8(video.title);
    EXPECT_EQ((title.back() - '0') % 2, 1) << title;
  }
  ASSERT_EQ(Search(u"星河", 0, 1, 2, result), kStatusFound);
  EXPECT_EQ(result.videos.size(), 2u);  // twelve HD videos in all
  EXPECT_EQ(NoNextPage(FromUtf8(SearchPage(u"星河", 0, 1, 2))), 1);
}

TEST_F(YoukuSiteRoundTrip, CatalogueKeywordsGiveEveryStatus) {
  YoukuResult result;
  EXPECT_EQ(Search(u"无此节目", 0, 0, 1, result), kStatusNoResults);
  EXPECT_EQ(Search(u"没有这个词", 0, 0, 1, result), kStatusNoResults);
  EXPECT_EQ(Search(u"临时故障", 0, 0, 1, result), kStatusSiteFault);
  EXPECT_EQ(Search(u"空白页面", 0, 0, 1, result), kStatusFailed);
  const std::string withheld = SearchPage(u"不予显示", 0, 0, 1);
  EXPECT_NE(withheld.find("vCollDetail"), std::string::npos);  // the notice comes with results
  EXPECT_EQ(ParseYoukuPage(FromUtf8(withheld), result, site_), kStatusWithheld);
  EXPECT_EQ(Search(u"海风", 0, 0, 1, result), kStatusFound);
  EXPECT_EQ(result.flags, static_cast<uint32_t>(kFlagPlainVideos));
  EXPECT_EQ(result.videos.size(), 3u);
}

TEST_F(YoukuSiteRoundTrip, AKeywordWithATabReachesTheSiteAsTyped) {
  // The encoder writes a tab as "%9"; the site reads it back as a tab, so
  // the keyword is unknown rather than a broken request.
  const std::string page = SearchPage(u"星河\t", 0, 0, 1);
  EXPECT_NE(page.find("<!--无结果-->"), std::string::npos) << page;
}

TEST_F(YoukuSiteRoundTrip, EpisodeListsOfThreePagesAndOfDatesComplete) {
  YoukuResult result;
  ASSERT_EQ(Search(u"星河", 0, 0, 1, result), kStatusFound);
  auto series = result.Section(YoukuSection::kSeriesProgrammes);
  ASSERT_TRUE(CompleteEpisodes(series, site_, Fetcher()));
  ASSERT_EQ(series[0].groups.size(), 1u);
  const auto first = Titles(series[0].groups[0].episodes);
  ASSERT_EQ(first.size(), 10u);
  EXPECT_EQ(first.front(), "第1集");
  EXPECT_EQ(first.back(), "第10集");
  EXPECT_EQ(Titles(series[1].groups.at(0).episodes),
            (std::vector<std::string>{"2010-01-03", "2010-01-10", "2010-01-17"}));
}

TEST_F(YoukuSiteRoundTrip, ALoopingPagerEndsWithEveryEpisodeOnce) {
  YoukuResult result;
  ASSERT_EQ(Search(u"星河", 0, 0, 1, result), kStatusFound);
  auto programmes = result.Section(YoukuSection::kProgrammes);
  ASSERT_TRUE(CompleteEpisodes(programmes, site_, Fetcher()));
  EXPECT_EQ(Titles(programmes.at(1).groups.at(0).episodes),
            (std::vector<std::string>{"第1期", "第2期", "第3期", "第4期", "第5期", "第6期"}));
}

TEST_F(YoukuSiteRoundTrip, FilmsCompleteFromSingleVideoPagesAndPersonFilmsFromEpisodeLists) {
  YoukuResult result;
  ASSERT_EQ(Search(u"星河", 0, 0, 1, result), kStatusFound);
  auto films = result.Section(YoukuSection::kFilms);
  ASSERT_TRUE(CompleteEpisodes(films, site_, Fetcher()));
  for (const auto& film : films) {
    ASSERT_EQ(film.groups.size(), 1u) << ToUtf8(film.title);
    ASSERT_EQ(film.groups[0].episodes.size(), 1u) << ToUtf8(film.title);
  }
  auto feature = std::find_if(films.begin(), films.end(), [](const SectionEntry& e) { return e.title == u"星河远征"; });
  ASSERT_NE(feature, films.end());
  EXPECT_EQ(feature->groups[0].name, u"正片");
  EXPECT_EQ(ToUtf8(feature->groups[0].episodes[0].title), "星河远征");  // blanks removed
  EXPECT_EQ(ToUtf8(feature->groups[0].episodes[0].url), base_ + "/v_show/id_fm01.html");
  auto person = std::find_if(films.begin(), films.end(), [](const SectionEntry& e) { return e.title == u"星河远航"; });
  ASSERT_NE(person, films.end());
  EXPECT_EQ(ToUtf8(person->groups[0].episodes[0].url), base_ + "/v_show/id_pb01.html");
}

TEST_F(YoukuSiteRoundTrip, EveryOtherSectionCompletes) {
  YoukuResult result;
  ASSERT_EQ(Search(u"星河", 0, 0, 1, result), kStatusFound);
  for (YoukuSection section : {YoukuSection::kProgrammes, YoukuSection::kTrailers}) {
    auto entries = result.Section(section);
    EXPECT_TRUE(CompleteEpisodes(entries, site_, Fetcher())) << static_cast<int>(section);
  }
}

}  // namespace
}  // namespace tarvo::video
