#include "video/YoukuPageParser.h"

#include <gtest/gtest.h>

#include "video/VideoFixtures.h"

namespace tarvo::video {
namespace {

using testing::FixtureText;

constexpr char16_t kSite[] = u"http://www.youku.test";

std::vector<WString> Titles(const std::vector<SectionEntry>& entries) {
  std::vector<WString> titles;
  for (const auto& entry : entries) titles.push_back(entry.title);
  return titles;
}

class YoukuEverySection : public ::testing::Test {
 protected:
  void SetUp() override {
    text_ = FixtureText("video/youku_every_section.html");
    status_ = ParseYoukuPage(text_, result_, kSite);
  }
  WString text_;
  YoukuResult result_;
  int status_ = 99;
};

TEST_F(YoukuEverySection, FindsEverySectionAndThePlainVideos) {
  EXPECT_EQ(status_, kStatusFound);
  EXPECT_EQ(result_.flags, 0x77Fu);
  EXPECT_EQ(result_.HeaderRowCount(), 8u);
  EXPECT_EQ(NoNextPage(text_), 0);
}

TEST_F(YoukuEverySection, SeriesProgrammesAreTheYearsOfTheOneBlock) {
  const auto& entries = result_.Section(YoukuSection::kSeriesProgrammes);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].title, u"2010");
  EXPECT_EQ(entries[1].url, u"http://www.youku.test/show_eplist/showid_z1002_type_list.html");
  EXPECT_EQ(entries[1].thumb, u"http://img.youku.test/series.jpg");
}

TEST_F(YoukuEverySection, PersonShowsAreSortedByStatusAndComeFirst) {
  EXPECT_EQ(Titles(result_.Section(YoukuSection::kHot)), std::vector<WString>{u"热剧一"});
  EXPECT_EQ(Titles(result_.Section(YoukuSection::kFilms)),
            (std::vector<WString>{u"人物电影", u"大电影", u"小电影"}));
  EXPECT_EQ(Titles(result_.Section(YoukuSection::kTrailers)), std::vector<WString>{u"新片预告"});
  // The show with status "音乐" is in no section.
  for (const auto& entries : result_.sections) {
    for (const auto& entry : entries) EXPECT_NE(entry.title, u"一首歌");
  }
  EXPECT_EQ(result_.personPhoto, u"http://img.youku.test/person.jpg");
  EXPECT_EQ(result_.personTabs, (std::vector<WString>{u"简介", u"作品"}));
}

TEST_F(YoukuEverySection, ProgrammeTitlesLoseTheirHighlight) {
  const auto& entries = result_.Section(YoukuSection::kProgrammes);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].title, u"快乐大本营");
  EXPECT_EQ(entries[0].url, u"http://www.youku.test/show_eplist/showid_z5001_type_list.html");
  EXPECT_EQ(entries[1].thumb, u"http://img.youku.test/prog2.jpg");
}

TEST_F(YoukuEverySection, TvSeriesWithSeasonsMakeOneEntryPerSeason) {
  const auto& entries = result_.Section(YoukuSection::kTvSeries);
  ASSERT_EQ(Titles(entries), (std::vector<WString>{u"人物剧", u"长剧", u"第一季", u"第二季"}));
  ASSERT_EQ(entries[1].groups.size(), 1u);
  EXPECT_EQ(entries[1].groups[0].episodes.size(), 2u);
  ASSERT_EQ(entries[3].groups.size(), 1u);
  ASSERT_EQ(entries[3].groups[0].episodes.size(), 2u);
  EXPECT_EQ(entries[3].groups[0].episodes[1].url, u"http://v.youku.test/tv2/s2e2");
  EXPECT_EQ(entries[3].thumb, u"http://img.youku.test/tv2.jpg");
}

TEST_F(YoukuEverySection, SeriesEntriesCarryLabelCleanedTitleAndEpisodes) {
  const auto& entries = result_.Section(YoukuSection::kEpisodes);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].title, u"剧集名");
  EXPECT_EQ(entries[0].status, u"连载中");
  ASSERT_EQ(entries[0].groups.size(), 1u);
  EXPECT_EQ(entries[0].groups[0].episodes[1].title, u"第2集");
  EXPECT_EQ(result_.Section(YoukuSection::kVariety).back().title, u"周末秀");
}

TEST_F(YoukuEverySection, PlainVideosAreCleanedAndKeepTheirOwnIntroduction) {
  ASSERT_EQ(result_.videos.size(), 3u);
  EXPECT_EQ(result_.videos[0].title, u"视频－一 AB");
  EXPECT_EQ(result_.videos[0].intro, u"第一段介绍");
  EXPECT_EQ(result_.videos[0].duration, u"03:20");
  // The second video has no introduction; it must not take the third's.
  EXPECT_EQ(result_.videos[1].title, u"没有介绍");
  EXPECT_EQ(result_.videos[1].intro, u"");
  EXPECT_EQ(result_.videos[2].intro, u"第三段介绍");
  EXPECT_TRUE(result_.videos[0].spare.empty());
}

TEST(YoukuStatus, EmptyTextFails) {
  YoukuResult result;
  EXPECT_EQ(ParseYoukuPage(u"", result, kSite), kStatusFailed);
}

TEST(YoukuStatus, TheLegalNoticeWinsOverResults) {
  YoukuResult result;
  WString page = FixtureText("video/youku_every_section.html") +
                 u"搜索结果可能涉及不符合相关法律法规和政策的内容，未予显示。";
  EXPECT_EQ(ParseYoukuPage(page, result, kSite), kStatusWithheld);
}

TEST(YoukuStatus, NoResultsAndSiteFaultLeaveTheStoreAsItWas) {
  YoukuResult result;
  ASSERT_EQ(ParseYoukuPage(FixtureText("video/youku_every_section.html"), result, kSite), 1);
  YoukuResult before = result;
  EXPECT_EQ(ParseYoukuPage(u"<!--无结果--> 网站遇到临时故障", result, kSite), kStatusNoResults);
  EXPECT_EQ(ParseYoukuPage(u"<p>网站遇到临时故障</p>", result, kSite), kStatusSiteFault);
  EXPECT_EQ(result.videos, before.videos);
  EXPECT_EQ(result.flags, before.flags);
}

TEST(YoukuStatus, APageWithoutAnyBlockFailsAndEmptiesTheStore) {
  YoukuResult result;
  ASSERT_EQ(ParseYoukuPage(FixtureText("video/youku_every_section.html"), result, kSite), 1);
  EXPECT_EQ(ParseYoukuPage(u"<html>改版了</html>", result, kSite), kStatusFailed);
  EXPECT_EQ(result.flags, 0u);
  EXPECT_TRUE(result.videos.empty());
}

TEST(YoukuPlainVideos, APageOfOnlyPlainVideosHasNoHeaderRows) {
  YoukuResult result;
  WString page =
      u"<div class=\"vCollDetail\"><div class=\"video\"><a href=\"u\" title=\"t\"><img "
      u"src=\"s\"></a><span class=\"time\">1:00</span></div><!--vCollDetail-->";
  EXPECT_EQ(ParseYoukuPage(page, result, kSite), kStatusFound);
  EXPECT_EQ(result.flags, static_cast<uint32_t>(kFlagPlainVideos));
  EXPECT_EQ(result.HeaderRowCount(), 0u);
  ASSERT_EQ(result.videos.size(), 1u);
  EXPECT_EQ(NoNextPage(page), 1);
}

TEST(YoukuPlainVideos, AMissingDurationEndsTheWalkKeepingEarlierVideos) {
  YoukuResult result;
  WString page =
      u"<div class=\"vCollDetail\">"
      u"<div class=\"video\"><a href=\"u1\" title=\"一\"><img src=\"s1\"><span "
      u"class=\"time\">1:00</span></div>"
      u"<div class=\"video\"><a href=\"u2\" title=\"二\"><img src=\"s2\"></div>"
      u"<div class=\"video\"><a href=\"u3\" title=\"三\"><img src=\"s3\"><span "
      u"class=\"time\">3:00</span></div><!--vCollDetail-->";
  EXPECT_EQ(ParseYoukuPage(page, result, kSite), kStatusFound);
  ASSERT_EQ(result.videos.size(), 1u);
  EXPECT_EQ(result.videos[0].title, u"一");
}

TEST(YoukuPlainVideos, WithoutTheCollectionMarkerNoVideoIsRead) {
  YoukuResult result;
  WString page =
      u"<div class=\"video\"><a href=\"u\" title=\"t\"><img src=\"s\"><span "
      u"class=\"time\">1:00</span></div><!--vCollDetail-->";
  EXPECT_EQ(ParseYoukuPage(page, result, kSite), kStatusFailed);
}

TEST(YoukuSections, AFlaggedSectionMayHaveNoEntries) {
  YoukuResult result;
  // The film block is there but its status is missing.
  WString page =
      u"<div class=\"movieResult\"><a title=\"片\" href=\"u\"><img src=\"s\"></a></div>"
      u"<!--节目结束-->";
  EXPECT_EQ(ParseYoukuPage(page, result, kSite), kStatusFound);
  EXPECT_EQ(result.flags, static_cast<uint32_t>(kFlagFilms));
  EXPECT_TRUE(result.Section(YoukuSection::kFilms).empty());
  EXPECT_EQ(result.HeaderRowCount(), 1u);
}

TEST(YoukuSections, SeriesProgrammesNeedTheirBlockBeforeTheEndMarker) {
  YoukuResult result;
  WString page =
      u"<!--系列节目--><!--系列节目结束--><div class=\"varietyResult\"><img src=\"s\">"
      u"<ul class=\"year\"><li x='1'>a</li></ul></div>";
  EXPECT_EQ(ParseYoukuPage(page, result, kSite), kStatusFailed);
}

TEST(YoukuSections, AFilmWithoutStatusEndsTheFilmsButKeepsTheOnesBefore) {
  YoukuResult result;
  WString page =
      u"<div class=\"movieResult\"><a title=\"一\" href=\"u1\"><img src=\"s1\"><span "
      u"class=\"status\">正片</span></div>"
      u"<div class=\"movieResult\"><a title=\"二\" href=\"u2\"><img src=\"s2\"></div>"
      u"<div class=\"movieResult\"><a title=\"三\" href=\"u3\"><img src=\"s3\"><span "
      u"class=\"status\">正片</span></div><!--节目结束-->";
  ParseYoukuPage(page, result, kSite);
  EXPECT_EQ(Titles(result.Section(YoukuSection::kFilms)), std::vector<WString>{u"一"});
}

TEST(YoukuSections, PersonFlagNeedsTheShowsList) {
  YoukuResult result;
  EXPECT_EQ(ParseYoukuPage(u"<div class=\"actorResult\"><img src=\"p.jpg\"></div>", result, kSite),
            kStatusFound);
  EXPECT_EQ(result.flags & kFlagPerson, 0u);
  WString withShows =
      u"<div class=\"actorResult\"><img src=\"p.jpg\"><ul class=\"shows\"></ul><div "
      u"class=\"clear\"></div>";
  ParseYoukuPage(withShows, result, kSite);
  EXPECT_EQ(result.flags, static_cast<uint32_t>(kFlagPerson));
}

TEST(YoukuSections, ShowsAfterTheClearMarkerAreNotTheSearchedPersons) {
  YoukuResult result;
  WString page =
      u"<div class=\"actorResult\"><img src=\"p.jpg\"><ul class=\"shows\">"
      u"<li class=\"show\"><a href=\"u1\" title=\"内\"><span class=\"status\">热播</span></li>"
      u"</ul><div class=\"clear\"></div>"
      u"<li class=\"show\"><a href=\"u2\" title=\"外\"><span class=\"status\">热播</span></li>";
  ParseYoukuPage(page, result, kSite);
  EXPECT_EQ(Titles(result.Section(YoukuSection::kHot)), std::vector<WString>{u"内"});
}

TEST(YoukuSections, AnEpisodeLinkWithAnEmptyNameEndsTheSectionKeepingTheEntry) {
  YoukuResult result;
  WString page =
      u"<!--剧集--><div class=\"series\"><img src=\"s\"><label>l</label><div><a "
      u"href=\"x\">名</a></div><div class=\"detail\"><a href=\"e1\">1</a><a href=\"e2\"></a>"
      u"<a href=\"e3\">3</a></div><!--剧集结束-->";
  ParseYoukuPage(page, result, kSite);
  const auto& entries = result.Section(YoukuSection::kEpisodes);
  ASSERT_EQ(entries.size(), 1u);
  ASSERT_EQ(entries[0].groups[0].episodes.size(), 1u);
  EXPECT_EQ(entries[0].groups[0].episodes[0].url, u"e1");
}

TEST(EpisodeListUrl, IsBuiltOnTheSiteHost) {
  EXPECT_EQ(EpisodeListUrl(u"http://h:1", u"42"), u"http://h:1/show_eplist/showid_z42_type_list.html");
}

}  // namespace
}  // namespace tarvo::video
