#include <gtest/gtest.h>

#include "video/VideoFixtures.h"
#include "video/soku/SokuParsers.h"

namespace tarvo::soku {
namespace {

using testing::FixtureText;

constexpr char16_t kBase[] = u"http://so.test";

class SokuEveryBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    code_ = ParseSokuPage(results_, FixtureText("soku/soku_every_block.html"), kBase);
  }
  SokuResults results_;
  int code_ = 99;
};

TEST_F(SokuEveryBlock, ReadsEveryCategoryAndTheItems) {
  EXPECT_EQ(code_, kSokuFound);
  EXPECT_EQ(results_.flags, static_cast<uint32_t>(kSokuTv | kSokuCartoon | kSokuMovie |
                                                  kSokuVariety | kSokuItems | kSokuMultiLink));
  EXPECT_EQ(results_.items.size(), 3u);
}

TEST_F(SokuEveryBlock, AnInPlaceSectionIsOneSeriesTitledByTheCurrentTab) {
  ASSERT_EQ(results_.tv.size(), 1u);
  const SokuSeries& series = results_.tv[0];
  EXPECT_EQ(series.title, u"第一部");
  EXPECT_TRUE(series.url.empty());
  EXPECT_EQ(series.image, u"http://img.soku.test/tv1.jpg");
  ASSERT_EQ(series.groups.size(), 1u);
  EXPECT_EQ(series.groups[0].items.size(), 2u);
  EXPECT_TRUE(series.groups[0].label.empty());
}

TEST_F(SokuEveryBlock, WithoutCurrentTabTheFirstItemTitlesTheSeries) {
  ASSERT_EQ(results_.variety.size(), 1u);
  EXPECT_EQ(results_.variety[0].title, u"综艺一期");
}

TEST_F(SokuEveryBlock, ViewallWithoutSectionGivesOneUntitledEntry) {
  ASSERT_EQ(results_.cartoon.size(), 1u);
  EXPECT_EQ(results_.cartoon[0].title, u"");
  EXPECT_EQ(results_.cartoon[0].url, u"http://so.test/cartoon/all");
  EXPECT_EQ(results_.cartoon[0].image, u"http://img.soku.test/cartoon.jpg");
}

TEST_F(SokuEveryBlock, SectionLinksBecomeEntriesUpToTheViewall) {
  ASSERT_EQ(results_.movie.size(), 2u);
  EXPECT_EQ(results_.movie[0].title, u"电影一");
  EXPECT_EQ(results_.movie[0].url, u"http://so.test/movie/1");
  EXPECT_EQ(results_.movie[0].image, u"http://img.soku.test/m1.jpg");
  EXPECT_EQ(results_.movie[1].title, u"电影二");
  EXPECT_EQ(results_.movie[1].image, u"");
}

TEST(SokuPageStatus, NoResultsWinsEvenOverBlocks) {
  SokuResults results;
  WString page = FixtureText("soku/soku_every_block.html") + u"<!--无结果--> 网站遇到临时故障";
  EXPECT_EQ(ParseSokuPage(results, page, kBase), kSokuNoResults);
  EXPECT_EQ(ParseSokuPage(results, u"网站遇到临时故障", kBase), kSokuSiteFault);
  EXPECT_EQ(ParseSokuPage(results, u"", kBase), kSokuFailed);
}

TEST(SokuPageStatus, NoResultsAndFaultKeepThePreviousResults) {
  SokuResults results;
  ASSERT_EQ(ParseSokuPage(results, FixtureText("soku/soku_every_block.html"), kBase), 1);
  ParseSokuPage(results, u"<!--无结果-->", kBase);
  EXPECT_EQ(results.items.size(), 3u);
  EXPECT_EQ(ParseSokuPage(results, u"<html></html>", kBase), kSokuFailed);
  EXPECT_TRUE(results.items.empty());
  EXPECT_EQ(results.flags, 0u);
}

TEST(SokuSection, AnEmptyHrefFailsTheSection) {
  SokuResults results;
  std::vector<SokuSeries> list{SokuSeries{u"old", {}, {}, {}}};
  WString page = u"<div class=\"section\"><a href=\"\">x</a></div><a class=\"viewall\" href=\"/all\">";
  EXPECT_FALSE(ParseSection(results, page, 0, page.size(), list, kBase));
  // The links form starts by clearing the list.
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(results.flags & kSokuMultiLink, 0u);
}

TEST(SokuSection, AViewallAfterTheEndMeansInPlace) {
  SokuResults results;
  std::vector<SokuSeries> list;
  WString section = u"<ul class=\"items\"><li class=\"item\"><a title=\"t\" href=\"http://v\"><img "
                    u"src=\"i\"></a><div class=\"i_title\"><a>c</a></div></li></ul>";
  WString page = section + u"<a class=\"viewall\" href=\"/all\">";
  ASSERT_TRUE(ParseSection(results, page, 0, section.size(), list, kBase));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].title, u"t");
  EXPECT_EQ(results.flags, 0u);
}

TEST(SokuSection, ACurrentTabBeyondTheEndDoesNotTitleTheSeries) {
  SokuResults results;
  std::vector<SokuSeries> list;
  WString section = u"<ul class=\"items\"><li class=\"item\"><a title=\"t\" href=\"http://v\"><img "
                    u"src=\"i\"></a><div class=\"i_title\"><a>c</a></div></li></ul>";
  WString page = section + u"<li class=\"current\">别处</li>";
  ASSERT_TRUE(ParseSection(results, page, 0, section.size(), list, kBase));
  EXPECT_EQ(list[0].title, u"t");
}

TEST(SokuSection, ASectionHeadingOfALaterBlockIsNotUsed) {
  SokuResults results;
  std::vector<SokuSeries> list;
  WString block = u"<a class=\"viewall\" href=\"/mine\">全部</a>";
  WString page = block + u"<div class=\"section\"><a href=\"/theirs\">别人</a></div>";
  ASSERT_TRUE(ParseSection(results, page, 0, block.size(), list, kBase));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].url, u"http://so.test/mine");
  EXPECT_EQ(list[0].title, u"");
}

TEST(SokuPerson, GuidesSortWorksIntoCategories) {
  SokuResults results;
  EXPECT_EQ(ParseSokuPage(results, FixtureText("soku/soku_person.html"), kBase), kSokuFound);
  EXPECT_EQ(results.flags, static_cast<uint32_t>(kSokuPerson | kSokuTv | kSokuVariety |
                                                 kSokuMultiLink));
  ASSERT_EQ(results.tv.size(), 1u);
  EXPECT_EQ(results.tv[0].title, u"张三剧");
  ASSERT_EQ(results.variety.size(), 1u);
  EXPECT_EQ(results.variety[0].title, u"周末");
  EXPECT_EQ(results.variety[0].url, u"http://so.test/p/va/1");
}

TEST(SokuPerson, TheMarkerNeedsItsTrailingSpace) {
  SokuResults results;
  WString page = FixtureText("soku/soku_person.html");
  page.replace(page.find(u"<!--人物--> "), 10, u"<!--人物-->x");
  EXPECT_FALSE(ParsePersonBlock(results, page, kBase));
}

TEST(SokuPerson, AFailingSectionEndsTheWalkAndMayLeaveAFlaggedEmptyCategory) {
  SokuResults results;
  // The first guide fills tv in place; the second reads tv as links, which
  // clears the list and then fails on its empty href.
  WString page =
      u"<!--人物--> <div class=\"tv\">"
      u"<div class=\"guide\">的电视剧 的电影<ul class=\"items\"><li class=\"item\"><a title=\"t\" "
      u"href=\"http://v\"><img src=\"i\"></a><div class=\"i_title\"><a>c</a></div></li></ul>"
      u"<div class=\"clear\"></div>"
      u"<div class=\"guide\">的电视剧<a class=\"viewall\" href=\"\"></a><div class=\"clear\"></div>"
      u"<div class=\"guide\">的综艺<div class=\"section\"><a href=\"/va\">综</a></div><a "
      u"class=\"viewall\" href=\"/all\"></a><div class=\"clear\"></div>"
      u"</div><!--人物结束-->";
  ASSERT_TRUE(ParsePersonBlock(results, page, kBase));
  EXPECT_TRUE(results.tv.empty());
  EXPECT_EQ(results.movie.size(), 1u);
  EXPECT_TRUE(results.variety.empty());
  EXPECT_EQ(results.flags, static_cast<uint32_t>(kSokuPerson | kSokuTv | kSokuMovie));
}

TEST(SokuPerson, NoWorksIsAFailure) {
  SokuResults results;
  WString page = u"<!--人物--> <div class=\"tv\"><div class=\"guide\">无</div><div "
                 u"class=\"clear\"></div><!--人物结束-->";
  EXPECT_FALSE(ParsePersonBlock(results, page, kBase));
  EXPECT_EQ(results.flags, 0u);
}

TEST(SokuSearchPath, EncodesTheKeywordAndCarriesHdAndPage) {
  EXPECT_EQ(SokuSearchPath(u"a b", 0, 1), u"/v?keyword=%61%20%62&hd=0&curpage=1");
  EXPECT_EQ(SokuSearchPath(u"中", 1, 3), u"/v?keyword=%E4%B8%AD&hd=1&curpage=3");
}

}  // namespace
}  // namespace tarvo::soku
