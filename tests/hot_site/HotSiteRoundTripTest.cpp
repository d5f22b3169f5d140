// The stand-in hot-video page server read back by the program's own parsers:
// every channel, category and index page gives the catalogue's items back,
// and the pager walks the index as the screen does.
#include <gtest/gtest.h>

#include "StandInServers.h"
#include "hot/HotCatalogue.h"
#include "hot/HotPages.h"
#include "platform/text/Utf8.h"
#include "servers/Fetch.h"
#include "video/HotVideo.h"

namespace tarvo::video {
namespace {

using servers::hot::HotCatalogue;
using servers::hot::HotEntry;

class HotSiteRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
    base_ = servers_.HttpBase();
    catalogue_ = servers::hot::ReadHotCatalogueFile(TARVO_SERVER_DATA_DIR);
  }

  WString Page(const std::string& path) {
    auto fetched = servers::testing::Fetch(base_ + path);
    EXPECT_EQ(fetched.status, 200) << path;
    return FromUtf8(fetched.body);
  }

  static std::vector<HotItem> Expected(const std::vector<HotEntry>& entries, const std::string& base, bool tudou) {
    std::vector<HotItem> items;
    for (const HotEntry& entry : entries) {
      const std::string url = tudou ? servers::hot::TudouItemAddress(base, entry.id)
                                    : servers::hot::YoukuItemAddress(base, entry.id);
      items.push_back(HotItem{FromUtf8(entry.title), FromUtf8(url)});
    }
    return items;
  }

  servers::StandInServers servers_;
  std::string base_;
  HotCatalogue catalogue_;
};

TEST_F(HotSiteRoundTrip, TheCatalogueHoldsEnoughToWalk) {
  EXPECT_GE(servers::hot::IndexPageCount(catalogue_), 3);
  EXPECT_FALSE(catalogue_.tudou.at("front").empty());
  EXPECT_FALSE(catalogue_.albums.empty());
  EXPECT_EQ(catalogue_.youku.size(), 10u);  // every category but finance
}

TEST_F(HotSiteRoundTrip, EveryTudouPageGivesItsOrdinaryVideosButNoAlbums) {
  for (const auto& [channel, entries] : catalogue_.tudou) {
    const std::string path = channel == "front" ? "/tudou/" : "/tudou/?url1=" + channel;
    const WString page = Page(path);
    EXPECT_EQ(ParseTudouProxyPage(page), Expected(entries, base_, true)) << path;
    EXPECT_NE(page.find(u"视频专辑"), WString::npos) << path;
  }
}

TEST_F(HotSiteRoundTrip, EveryYoukuCategoryGivesItsVideosAndLeavesThePageAlone) {
  for (const auto& [catpid, entries] : catalogue_.youku) {
    int page = 4, lastPage = 1;
    auto items = ParseYoukuProxyPage(Page("/yk/?catpid=" + catpid), FromUtf8(base_), page, lastPage);
    EXPECT_EQ(items, Expected(entries, base_, false)) << catpid;
    EXPECT_EQ(page, 4);
    EXPECT_EQ(lastPage, 1);
  }
}

TEST_F(HotSiteRoundTrip, TheIndexPagesGiveTheIndexBackInOrderWithTheirPageNumbers) {
  const int count = servers::hot::IndexPageCount(catalogue_);
  std::vector<HotItem> all;
  for (int number = 1; number <= count; ++number) {
    int page = 99, lastPage = 7;
    auto items = ParseYoukuProxyPage(Page("/yk/index.php?k=&p=" + std::to_string(number)), FromUtf8(base_), page,
                                     lastPage);
    EXPECT_LE(items.size(), 5u);
    EXPECT_FALSE(items.empty());
    EXPECT_EQ(page, number);
    EXPECT_EQ(lastPage, number == count ? 1 : 0) << number;
    all.insert(all.end(), items.begin(), items.end());
  }
  EXPECT_EQ(all, Expected(catalogue_.index, base_, false));
}

TEST_F(HotSiteRoundTrip, TheYoukuFrontIsTheFirstIndexPage) {
  int page = 6, lastPage = 1;
  auto front = ParseYoukuProxyPage(Page("/yk/"), FromUtf8(base_), page, lastPage);
  EXPECT_EQ(page, 1);
  EXPECT_EQ(lastPage, 0);
  int page1 = 0, last1 = 0;
  EXPECT_EQ(front, ParseYoukuProxyPage(Page("/yk/index.php?k=&p=1"), FromUtf8(base_), page1, last1));
}

TEST_F(HotSiteRoundTrip, YoukuLinksFollowTheHostTheRequestCameTo) {
  const std::string other = "http://localhost:" + std::to_string(servers_.HttpPort());
  const WString text = FromUtf8(servers::testing::Fetch(other + "/yk/").body);
  int page = 1, lastPage = 0;
  EXPECT_FALSE(ParseYoukuProxyPage(text, FromUtf8(other), page, lastPage).empty());
  EXPECT_TRUE(ParseYoukuProxyPage(text, FromUtf8(base_), page, lastPage).empty());
}

TEST_F(HotSiteRoundTrip, AnUnknownChannelOrCategoryListsNothing) {
  EXPECT_TRUE(ParseTudouProxyPage(Page("/tudou/?url1=nowhere.test")).empty());
  int page = 1, lastPage = 0;
  EXPECT_TRUE(ParseYoukuProxyPage(Page("/yk/?catpid=1"), FromUtf8(base_), page, lastPage).empty());
}

TEST_F(HotSiteRoundTrip, PlayedAddressesAnswerMediaAndTheLinkedTudouOnesDoNot) {
  const HotEntry& tudou = catalogue_.tudou.at("front").front();
  const std::string linked = servers::hot::TudouItemAddress(base_, tudou.id);
  EXPECT_EQ(servers::testing::Fetch(linked).status, 404);
  const std::string played = ToUtf8(HotPlayUrl(FromUtf8(linked)));
  EXPECT_EQ(played, base_ + "/tudou/play/" + tudou.id);
  auto clip = servers::testing::Fetch(played);
  EXPECT_EQ(clip.status, 200);
  EXPECT_EQ(clip.body.rfind("YUV4MPEG2", 0), 0u);
  auto youku = servers::testing::Fetch(servers::hot::YoukuItemAddress(base_, catalogue_.index.front().id));
  EXPECT_EQ(youku.status, 200);
  EXPECT_EQ(youku.body.rfind("YUV4MPEG2", 0), 0u);
  EXPECT_EQ(servers::testing::Fetch(base_ + "/yk/?ykvideo=").status, 404);
}

TEST_F(HotSiteRoundTrip, BadIndexNumbersAreNotFoundAndPastTheEndListsNothing) {
  EXPECT_EQ(servers::testing::Fetch(base_ + "/yk/index.php?k=&p=x").status, 404);
  EXPECT_EQ(servers::testing::Fetch(base_ + "/yk/index.php?k=").status, 404);
  int page = 0, lastPage = 0;
  const int past = servers::hot::IndexPageCount(catalogue_) + 1;
  auto items = ParseYoukuProxyPage(Page("/yk/index.php?k=&p=" + std::to_string(past)), FromUtf8(base_), page, lastPage);
  EXPECT_TRUE(items.empty());
  EXPECT_EQ(page, past);
  EXPECT_EQ(lastPage, 1);
}

}  // namespace
}  // namespace tarvo::video
