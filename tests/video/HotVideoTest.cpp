#include "video/HotVideo.h"

#include <gtest/gtest.h>

#include "video/VideoFixtures.h"

namespace tarvo::video {
namespace {

using testing::FixtureText;

constexpr char16_t kServer[] = u"http://hot.test:28084";

std::vector<WString> Channels() {
  std::vector<WString> channels;
  for (int i = 1; i <= kHotCategoryCount; ++i) channels.push_back(u"c" + WString(1, u'a' + i));
  return channels;
}

TEST(HotVideoPaths, StartViewReadsBothFrontPages) {
  EXPECT_EQ(HotVideoPaths(0, 1, Channels()), (std::vector<WString>{u"/tudou/", u"/yk/"}));
}

TEST(HotVideoPaths, CategoriesPairTheirChannelWithTheirYoukuCategory) {
  EXPECT_EQ(HotVideoPaths(1, 1, Channels()),
            (std::vector<WString>{u"/tudou/?url1=cb", u"/yk/?catpid=91"}));
  EXPECT_EQ(HotVideoPaths(6, 3, Channels()),
            (std::vector<WString>{u"/tudou/?url1=cg", u"/yk/?catpid=100"}));
  EXPECT_EQ(HotVideoPaths(10, 1, Channels()),
            (std::vector<WString>{u"/tudou/?url1=ck", u"/yk/?catpid=98"}));
}

TEST(HotVideoPaths, FinanceLoadsOnlyTheTudouPage) {
  EXPECT_EQ(HotVideoPaths(11, 1, Channels()), std::vector<WString>{u"/tudou/?url1=cl"});
}

TEST(HotVideoPaths, PagingAddsTheTudouFrontOnlyOnPageOne) {
  EXPECT_EQ(HotVideoPaths(12, 1, Channels()),
            (std::vector<WString>{u"/tudou/", u"/yk/index.php?k=&p=1"}));
  EXPECT_EQ(HotVideoPaths(12, 5, Channels()), std::vector<WString>{u"/yk/index.php?k=&p=5"});
}

TEST(HotVideoPaths, MissingChannelsAndUnknownViews) {
  EXPECT_EQ(HotVideoPaths(3, 1, {}), std::vector<WString>{u"/yk/?catpid=97"});
  EXPECT_TRUE(HotVideoPaths(11, 1, {}).empty());
  EXPECT_TRUE(HotVideoPaths(13, 1, Channels()).empty());
  EXPECT_TRUE(HotVideoPaths(-1, 1, Channels()).empty());
}

TEST(TudouProxyPage, ItemsOfTheOrdinaryPartOnly) {
  auto items = ParseTudouProxyPage(FixtureText("video/hot_tudou_channel.html"));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0], (HotItem{u"第一条", u"http://www.tudou.test/programs/view/aaa/"}));
  EXPECT_EQ(items[1].title, u"第二条");
}

TEST(TudouProxyPage, EndsAtHdOrBackToTopWhenThereIsNoAlbumPart) {
  WString item = u"<a href=u1><i></a></b><c>x<a href=u1>一</a>";
  EXPECT_EQ(ParseTudouProxyPage(u"普通视频" + item + u"高清视频" + item).size(), 1u);
  EXPECT_EQ(ParseTudouProxyPage(u"普通视频" + item + u"回顶部").size(), 1u);
  EXPECT_TRUE(ParseTudouProxyPage(u"普通视频" + item).empty());
  EXPECT_TRUE(ParseTudouProxyPage(item + u"回顶部").empty());
}

TEST(TudouProxyPage, TooFewTagsBeforeTheTitleEndTheItems) {
  EXPECT_TRUE(ParseTudouProxyPage(u"普通视频<a href=u1>x</a>y回顶部").empty());
}

TEST(YoukuProxyPage, FirstPageSetsPageOneAndMoreToCome) {
  int page = 7, lastPage = 1;
  auto items = ParseYoukuProxyPage(FixtureText("video/hot_youku_first_page.html"), kServer, page,
                                   lastPage);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[1], (HotItem{u"热门二", u"http://hot.test:28084/yk/?ykvideo=id2"}));
  // The first pager link (to page 2) has no "上一页" after it: page 2 - 1.
  EXPECT_EQ(page, 1);
  EXPECT_EQ(lastPage, 0);
}

TEST(YoukuProxyPage, APreviousLinkFirstMeansThePageAfterIt) {
  int page = 9, lastPage = 1;
  auto items = ParseYoukuProxyPage(FixtureText("video/hot_youku_middle_page.html"), kServer,
                                   page, lastPage);
  EXPECT_EQ(items.size(), 1u);
  EXPECT_EQ(page, 3);
  EXPECT_EQ(lastPage, 0);
}

TEST(YoukuProxyPage, WithoutNextPageTextTheLastPageIsSet) {
  int page = 4, lastPage = 0;
  WString text = u"<a href=http://hot.test:28084/yk/index.php?k=&p=3>上一页</a>";
  ParseYoukuProxyPage(text, kServer, page, lastPage);
  EXPECT_EQ(page, 4);
  EXPECT_EQ(lastPage, 1);
}

TEST(YoukuProxyPage, WithoutPagerPageAndFlagStay) {
  int page = 4, lastPage = 1;
  ParseYoukuProxyPage(u"<p>nothing</p>", kServer, page, lastPage);
  EXPECT_EQ(page, 4);
  EXPECT_EQ(lastPage, 1);
}

TEST(YoukuProxyPage, ItemsOfAnotherServerAreNotRead) {
  int page = 1, lastPage = 0;
  auto items = ParseYoukuProxyPage(FixtureText("video/hot_youku_first_page.html"),
                                   u"http://other.test", page, lastPage);
  EXPECT_TRUE(items.empty());
}

TEST(HotPlayUrl, TudouFlvBecomesPlay) {
  EXPECT_EQ(HotPlayUrl(u"http://www.tudou.com/flv/v.flv"), u"http://www.tudou.com/play/v.play");
  EXPECT_EQ(HotPlayUrl(u"http://youku.test/flv/v.flv"), u"http://youku.test/flv/v.flv");
  EXPECT_EQ(HotPlayUrl(u"http://tudou.test/flvflv"), u"http://tudou.test/playplay");
}

TEST(IsYoukuIndexUrl, RecognisesThePagingPage) {
  EXPECT_TRUE(IsYoukuIndexUrl(u"http://h/yk/index.php?k=&p=2"));
  EXPECT_FALSE(IsYoukuIndexUrl(u"http://h/yk/?catpid=91"));
}

}  // namespace
}  // namespace tarvo::video
