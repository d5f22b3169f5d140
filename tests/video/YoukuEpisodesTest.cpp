#include "video/YoukuEpisodes.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/text/Utf8.h"
#include "video/VideoFixtures.h"

namespace tarvo::video {
namespace {

using testing::FixtureBytes;
using testing::FixtureText;

constexpr char16_t kSite[] = u"http://www.youku.test";

// Serves pages from a map and counts the requests.
struct FakeSite {
  std::map<WString, std::string> pages;
  std::vector<WString> requested;

  PageFetcher Fetcher() {
    return [this](const WString& url) -> std::optional<std::string> {
      requested.push_back(url);
      auto found = pages.find(url);
      if (found == pages.end()) return std::nullopt;
      return found->second;
    };
  }
};

std::vector<WString> Names(const std::vector<VideoRecord>& episodes) {
  std::vector<WString> names;
  for (const auto& episode : episodes) names.push_back(episode.title);
  return names;
}

TEST(EpisodeListPage, ReadsTheListAndTheNextPagePath) {
  EpisodeListPage page = ParseEpisodeListPage(FixtureText("video/episode_list_page1_of_3.html"));
  EXPECT_EQ(Names(page.episodes), (std::vector<WString>{u"第1集", u"第2集"}));
  EXPECT_EQ(page.episodes[1].url, u"http://v.youku.test/ep/p1e2");
  EXPECT_EQ(page.next, u"/show_eplist/showid_z77_page_2.html");
  EXPECT_TRUE(ParseEpisodeListPage(FixtureText("video/episode_list_page3_of_3.html")).next.empty());
}

TEST(EpisodeListPage, OnlySixDigitNamesAreRewrittenAsDates) {
  EpisodeListPage page = ParseEpisodeListPage(FixtureText("video/episode_list_dates.html"));
  EXPECT_EQ(Names(page.episodes),
            (std::vector<WString>{u"2010-01-01", u"10010", u"1001011", u"10a101"}));
  EXPECT_EQ(RewriteDateName(u"第六集第六集"), u"第六集第六集");
  EXPECT_EQ(RewriteDateName(u"991231"), u"2099-12-31");
}

TEST(EpisodeListPage, NothingWhenTheListEndComesFirstOrIsMissing) {
  EXPECT_TRUE(ParseEpisodeListPage(u"</ul><ul class=\"sn\"><a href=\"u\">1</a></ul>").episodes.empty());
  EXPECT_TRUE(ParseEpisodeListPage(u"<ul class=\"sn\"><a href=\"u\">1</a>").episodes.empty());
  EXPECT_TRUE(ParseEpisodeListPage(u"<a href=\"u\">1</a></ul>").episodes.empty());
}

TEST(EpisodeListPage, LinksAfterTheListAreNotEpisodes) {
  EpisodeListPage page =
      ParseEpisodeListPage(u"<ul class=\"sn\"><a href=\"u1\">1</a></ul><a href=\"u2\">2</a>");
  EXPECT_EQ(Names(page.episodes), std::vector<WString>{u"1"});
}

TEST(SingleVideoPage, TitleLosesEveryBlankTabAndLineBreak) {
  auto video = ParseSingleVideoPage(FixtureText("video/single_video_blanks.html"));
  ASSERT_TRUE(video);
  EXPECT_EQ(video->title, u"正片名");
  EXPECT_EQ(video->url, u"http://v.youku.test/v_show/id_abc.html");
}

TEST(SingleVideoPage, AMissingMarkerGivesNothing) {
  EXPECT_FALSE(ParseSingleVideoPage(u"<div class=\"showInfo\"><h1 class=\"title\">t</h1>"));
  EXPECT_FALSE(ParseSingleVideoPage(u"<div class=\"link\"><a href=\"u\">x</a>"));
}

class CompleteEpisodesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int n = 1; n <= 3; ++n) {
      std::string body =
          FixtureBytes("video/episode_list_page" + std::to_string(n) + "_of_3.html");
      WString path = FromUtf8("/show_eplist/showid_z77_page_" + std::to_string(n) + ".html");
      site_.pages[WString(kSite) + path] = body;
    }
  }
  FakeSite site_;
};

TEST_F(CompleteEpisodesTest, AListOverThreePagesIsOneGroupInPageOrder) {
  std::vector<SectionEntry> entries{
      SectionEntry{u"节目", WString(kSite) + u"/show_eplist/showid_z77_page_1.html", {}, {}, {}}};
  ASSERT_TRUE(CompleteEpisodes(entries, kSite, site_.Fetcher()));
  ASSERT_EQ(entries[0].groups.size(), 1u);
  EXPECT_EQ(Names(entries[0].groups[0].episodes),
            (std::vector<WString>{u"第1集", u"第2集", u"第3集", u"第4集", u"第5集", u"第6集"}));
  EXPECT_EQ(site_.requested.size(), 3u);
}

TEST_F(CompleteEpisodesTest, APagerPointingBackStopsInsteadOfLooping) {
  site_.pages[u"http://a.test/start"] = FixtureBytes("video/episode_list_pager_loops.html");
  site_.pages[WString(kSite) + u"/show_eplist/showid_z9_page_1.html"] =
      FixtureBytes("video/episode_list_pager_loops.html");
  std::vector<SectionEntry> entries{SectionEntry{u"循环", u"http://a.test/start", {}, {}, {}}};
  ASSERT_TRUE(CompleteEpisodes(entries, kSite, site_.Fetcher()));
  EXPECT_EQ(entries[0].groups[0].episodes.size(), 2u);
  EXPECT_EQ(site_.requested.size(), 2u);
}

TEST_F(CompleteEpisodesTest, AnEndlessPagerStopsAfterAHundredPages) {
  // Every page links to a new one.
  FakeSite endless;
  PageFetcher fetch = [&endless](const WString& url) -> std::optional<std::string> {
    endless.requested.push_back(url);
    std::string n = std::to_string(endless.requested.size());
    return "<ul class=\"sn\"><a href=\"e" + n + "\">" + n + "</a></ul><b class=\"current\"></b>" +
           "<a href=\"/p" + n + "\">next</a>";
  };
  std::vector<SectionEntry> entries{SectionEntry{u"无尽", u"http://a.test/0", {}, {}, {}}};
  ASSERT_TRUE(CompleteEpisodes(entries, kSite, fetch));
  EXPECT_EQ(entries[0].groups[0].episodes.size(), static_cast<size_t>(kMaxEpisodeListPages));
  EXPECT_EQ(endless.requested.size(), static_cast<size_t>(kMaxEpisodeListPages));
}

TEST_F(CompleteEpisodesTest, AFailedFetchOrAnEmptyListFails) {
  std::vector<SectionEntry> missing{SectionEntry{u"x", u"http://a.test/none", {}, {}, {}}};
  EXPECT_FALSE(CompleteEpisodes(missing, kSite, site_.Fetcher()));
  site_.pages[u"http://a.test/empty"] = "<html>nothing</html>";
  std::vector<SectionEntry> empty{SectionEntry{u"x", u"http://a.test/empty", {}, {}, {}}};
  EXPECT_FALSE(CompleteEpisodes(empty, kSite, site_.Fetcher()));
  // The second page of a list cannot be fetched.
  site_.pages.erase(WString(kSite) + u"/show_eplist/showid_z77_page_2.html");
  std::vector<SectionEntry> broken{
      SectionEntry{u"x", WString(kSite) + u"/show_eplist/showid_z77_page_1.html", {}, {}, {}}};
  EXPECT_FALSE(CompleteEpisodes(broken, kSite, site_.Fetcher()));
}

TEST_F(CompleteEpisodesTest, FeaturesAndTrailersGetOneVideoOrNoGroup) {
  site_.pages[u"http://a.test/feature"] = FixtureBytes("video/single_video_blanks.html");
  site_.pages[u"http://a.test/bare"] = "<html></html>";
  std::vector<SectionEntry> entries{
      SectionEntry{u"片", u"http://a.test/feature", {}, u"正片", {}},
      SectionEntry{u"预", u"http://a.test/bare", {}, u"预告", {}},
  };
  ASSERT_TRUE(CompleteEpisodes(entries, kSite, site_.Fetcher()));
  ASSERT_EQ(entries[0].groups.size(), 1u);
  EXPECT_EQ(entries[0].groups[0].episodes[0].title, u"正片名");
  EXPECT_TRUE(entries[1].groups.empty());
}

}  // namespace
}  // namespace tarvo::video
