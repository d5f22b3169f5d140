#include <gtest/gtest.h>

#include <map>

#include "video/VideoFixtures.h"
#include "video/soku/SokuEntryPages.h"
#include "video/soku/SokuParsers.h"

namespace tarvo::soku {
namespace {

using testing::FixtureBytes;
using testing::FixtureText;

constexpr char16_t kBase[] = u"http://so.test";

std::vector<WString> Labels(const std::vector<SokuGroup>& groups) {
  std::vector<WString> labels;
  for (const auto& group : groups) labels.push_back(group.label);
  return labels;
}

TEST(SokuEpisodeBlocks, LabelLayoutTakesEachBlocksHeading) {
  SokuSeries series;
  ASSERT_TRUE(ParseEpisodeBlocks(FixtureText("soku/series_label_layout.html"), series, 1));
  EXPECT_EQ(Labels(series.groups), (std::vector<WString>{u"第一季", u"第二季"}));
  EXPECT_EQ(series.groups[1].items.size(), 2u);
}

TEST(SokuEpisodeBlocks, TabLayoutLabelsBlocksFromTheTabBar) {
  SokuSeries series;
  ASSERT_TRUE(ParseEpisodeBlocks(FixtureText("soku/series_tab_layout.html"), series, 0));
  EXPECT_EQ(Labels(series.groups), (std::vector<WString>{u"1-2", u"3"}));
  EXPECT_EQ(series.groups[0].items[1].title, u"集2");
}

TEST(SokuEpisodeBlocks, BlocksBeyondTheTabsHaveEmptyLabels) {
  WString page = FixtureText("soku/series_tab_layout.html");
  page.replace(page.find(u"<a>3</a>"), 8, u"");
  SokuSeries series;
  ASSERT_TRUE(ParseEpisodeBlocks(page, series, 0));
  EXPECT_EQ(Labels(series.groups), (std::vector<WString>{u"1-2", u""}));
}

TEST(SokuEpisodeBlocks, GroupsAreAppendedToThoseAlreadyThere) {
  SokuSeries series;
  series.groups.push_back(SokuGroup{{}, u"old"});
  ASSERT_TRUE(ParseEpisodeBlocks(FixtureText("soku/series_label_layout.html"), series, 1));
  EXPECT_EQ(series.groups.size(), 3u);
}

TEST(SokuEpisodeBlocks, MissingResultEndOrAnchorFails) {
  WString page = FixtureText("soku/series_label_layout.html");
  SokuSeries series;
  WString noEnd = page;
  noEnd.replace(noEnd.find(u"<!--result end-->"), 17, u"");
  EXPECT_FALSE(ParseEpisodeBlocks(noEnd, series, 1));
  // Layout 0 looks for the other anchor spelling.
  EXPECT_FALSE(ParseEpisodeBlocks(page, series, 0));
  EXPECT_TRUE(series.groups.empty());
}

TEST(SokuEpisodeBlocks, BlocksAfterTheResultEndAreIgnored) {
  WString page = FixtureText("soku/series_label_layout.html");
  page.replace(page.find(u"<!--result end-->"), 17, u"");
  page.insert(page.find(u"<h3 class=\"label\">第二季"), u"<!--result end-->");
  SokuSeries series;
  ASSERT_TRUE(ParseEpisodeBlocks(page, series, 1));
  EXPECT_EQ(Labels(series.groups), std::vector<WString>{u"第一季"});
}

TEST(SokuEpisodeBlocks, ABrokenItemListFails) {
  WString page = FixtureText("soku/series_label_layout.html");
  page.replace(page.find(u"<div class=\"i_title\"><a href=\"#\">2</a></div>"), 43, u"");
  SokuSeries series;
  EXPECT_FALSE(ParseEpisodeBlocks(page, series, 1));
  EXPECT_EQ(series.groups.size(), 1u);
}

TEST(SokuEntryPage, ReadsTitleAndBlocksAfterTheSection) {
  SokuEntryPage entry = ParseSokuEntryPage(FixtureText("soku/entry_page.html"), kSokuMovie);
  EXPECT_FALSE(entry.skipped);
  EXPECT_TRUE(entry.ok);
  EXPECT_EQ(entry.title, u"电影一");
  ASSERT_EQ(entry.groups.size(), 1u);
  EXPECT_EQ(entry.groups[0].label, u"正片");
  // The navigation list before the section is not an episode block.
  EXPECT_EQ(entry.groups[0].items[0].title, u"电影一");
}

TEST(SokuEntryPage, TvAndCartoonResultsUseTheTabLayout) {
  // The entry page has only the label layout's anchor.
  EXPECT_FALSE(ParseSokuEntryPage(FixtureText("soku/entry_page.html"), kSokuTv).ok);
  EXPECT_FALSE(ParseSokuEntryPage(FixtureText("soku/entry_page.html"), kSokuCartoon).ok);
}

TEST(SokuEntryPage, SkippedWithoutSectionOrOnNoResults) {
  EXPECT_TRUE(ParseSokuEntryPage(u"<html></html>", 0).skipped);
  WString page = FixtureText("soku/entry_page.html") + u"<!--无结果-->";
  EXPECT_TRUE(ParseSokuEntryPage(page, 0).skipped);
}

TEST(SokuGuideLinks, CollectsTheLinksBeforeTheViewall) {
  GuideLinks guide = CollectGuideLinks(FixtureText("soku/guide_page.html"), kBase);
  EXPECT_TRUE(guide.ok);
  EXPECT_EQ(guide.links, (std::vector<WString>{u"http://so.test/va/2009", u"http://so.test/va/2010"}));
}

TEST(SokuGuideLinks, WithoutGuideFailsSilentlyWithoutViewallWithAMessage) {
  GuideLinks noGuide = CollectGuideLinks(u"<a class=\"viewall\">", kBase);
  EXPECT_FALSE(noGuide.ok);
  EXPECT_TRUE(noGuide.message.empty());
  GuideLinks noViewall = CollectGuideLinks(u"<div class=\"guide\"><a href=\"/x\">x</a>", kBase);
  EXPECT_FALSE(noViewall.ok);
  EXPECT_EQ(noViewall.message, u"无法获取此视频地址");
}

TEST(SokuSeriesPage, TabLayoutTitleIsLabelThenCurrentTab) {
  SokuSeries series;
  ASSERT_TRUE(ParseSeriesPage(FixtureText("soku/series_tab_layout.html"), 0, series));
  EXPECT_EQ(series.title, u"张三的电视剧");
  SokuSeries labelled;
  ASSERT_TRUE(ParseSeriesPage(FixtureText("soku/series_label_layout.html"), 1, labelled));
  EXPECT_EQ(labelled.title, u"长剧");
}

TEST(SokuSeriesPage, FetchesEveryPageInOrderAndStopsOnAFailure) {
  std::map<WString, std::string> pages{
      {u"http://so.test/a", FixtureBytes("soku/series_label_layout.html")},
      {u"http://so.test/b", "<html>no result marker</html>"}};
  int requests = 0;
  video::PageFetcher fetch = [&](const WString& url) -> std::optional<std::string> {
    ++requests;
    auto found = pages.find(url);
    if (found == pages.end()) return std::nullopt;
    return found->second;
  };
  std::vector<SokuSeries> out;
  EXPECT_TRUE(FetchSeriesPages({}, 1, fetch, out));
  EXPECT_EQ(requests, 0);
  EXPECT_TRUE(FetchSeriesPages({u"http://so.test/a", u"http://so.test/a"}, 1, fetch, out));
  EXPECT_EQ(out.size(), 2u);
  EXPECT_FALSE(FetchSeriesPages({u"http://so.test/a", u"http://so.test/b", u"http://so.test/a"}, 1,
                                fetch, out));
  EXPECT_EQ(out.size(), 3u);
  EXPECT_FALSE(FetchSeriesPages({u"http://so.test/missing"}, 1, fetch, out));
}

}  // namespace
}  // namespace tarvo::soku
