#include "video/HotVideoLoad.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/text/Utf8.h"

namespace tarvo::video {
namespace {

constexpr char16_t kServer[] = u"http://hot.test";

std::string TudouPage(const std::string& title) {
  return "普通视频<a href=http://hot.test/tudou/flv/a><i></a></b><c><a href=x>" + title + "</a>视频专辑";
}

std::string YoukuPage(const std::string& title, const std::string& pager) {
  return "<a href=http://hot.test/yk/?ykvideo=v1 class=p><img>" + title + "</a><a href=http://hot.test/yk/?ykvideo=v1 >" +
         title + "</a>" + pager + "<p>回顶部</p>";
}

// Answers from a map of whole addresses; records what was asked.
struct FakeSite {
  std::map<WString, std::string> pages;
  std::vector<WString> asked;
  PageFetcher Fetcher() {
    return [this](const WString& url) -> std::optional<std::string> {
      asked.push_back(url);
      auto at = pages.find(url);
      if (at == pages.end()) return std::nullopt;
      return at->second;
    };
  }
};

TEST(LoadHotPages, TudouItemsComeFirstThenYoukuItemsAndThePager) {
  FakeSite site;
  site.pages[u"http://hot.test/tudou/"] = TudouPage("土一");
  site.pages[u"http://hot.test/yk/"] = YoukuPage("优一", "<a href=http://hot.test/yk/index.php?k=&p=2>下一页</a>");
  HotLoadOutcome outcome = LoadHotPages({u"/tudou/", u"/yk/"}, kServer, 5, 1, site.Fetcher());
  EXPECT_EQ(outcome.kind, HotLoadKind::kLoaded);
  ASSERT_EQ(outcome.items.size(), 2u);
  EXPECT_EQ(outcome.items[0].title, u"土一");
  EXPECT_EQ(outcome.items[1], (HotItem{u"优一", u"http://hot.test/yk/?ykvideo=v1"}));
  EXPECT_EQ(outcome.page, 1);
  EXPECT_EQ(outcome.lastPage, 0);
  EXPECT_EQ(site.asked, (std::vector<WString>{u"http://hot.test/tudou/", u"http://hot.test/yk/"}));
}

TEST(LoadHotPages, TheIndexPageFirstIsReadAsAYoukuPage) {
  FakeSite site;
  site.pages[u"http://hot.test/yk/index.php?k=&p=3"] =
      YoukuPage("第三页", "<a href=http://hot.test/yk/index.php?k=&p=2>上一页</a>");
  HotLoadOutcome outcome = LoadHotPages({u"/yk/index.php?k=&p=3"}, kServer, 3, 0, site.Fetcher());
  ASSERT_EQ(outcome.items.size(), 1u);
  EXPECT_EQ(outcome.items[0].title, u"第三页");
  EXPECT_EQ(outcome.page, 3);
  EXPECT_EQ(outcome.lastPage, 1);
}

TEST(LoadHotPages, NoFirstBodyIsNoBodyAndTheSecondIsNotAsked) {
  FakeSite site;
  site.pages[u"http://hot.test/tudou/"] = "";
  HotLoadOutcome outcome = LoadHotPages({u"/tudou/", u"/yk/"}, kServer, 2, 0, site.Fetcher());
  EXPECT_EQ(outcome.kind, HotLoadKind::kNoBody);
  EXPECT_TRUE(outcome.items.empty());
  EXPECT_EQ(outcome.page, 2);
  EXPECT_EQ(site.asked.size(), 1u);
}

TEST(LoadHotPages, AMissingSecondPageKeepsTheFirstPagesItemsAndThePager) {
  FakeSite site;
  site.pages[u"http://hot.test/tudou/?url1=a"] = TudouPage("一");
  HotLoadOutcome outcome = LoadHotPages({u"/tudou/?url1=a", u"/yk/?catpid=91"}, kServer, 4, 1, site.Fetcher());
  EXPECT_EQ(outcome.kind, HotLoadKind::kLoaded);
  EXPECT_EQ(outcome.items.size(), 1u);
  EXPECT_EQ(outcome.page, 4);
  EXPECT_EQ(outcome.lastPage, 1);
}

TEST(LoadHotPages, ABodyWithoutItemsIsAnEmptyLoadedList) {
  FakeSite site;
  site.pages[u"http://hot.test/tudou/"] = "\xFF\xFEnot a page";
  HotLoadOutcome outcome = LoadHotPages({u"/tudou/"}, kServer, 1, 0, site.Fetcher());
  EXPECT_EQ(outcome.kind, HotLoadKind::kLoaded);
  EXPECT_TRUE(outcome.items.empty());
}

TEST(LoadHotPages, NoPathsLoadsNothing) {
  FakeSite site;
  EXPECT_EQ(LoadHotPages({}, kServer, 1, 0, site.Fetcher()).kind, HotLoadKind::kNothingToLoad);
  EXPECT_TRUE(site.asked.empty());
}

HotLoadOutcome Loaded(int page, int lastPage) {
  HotLoadOutcome outcome;
  outcome.kind = HotLoadKind::kLoaded;
  outcome.page = page;
  outcome.lastPage = lastPage;
  return outcome;
}

HotLoadOutcome Failed() {
  HotLoadOutcome outcome;
  outcome.kind = HotLoadKind::kNoBody;
  return outcome;
}

TEST(HotTurns, PreviousOnPageOneAndNextOnTheLastPageMoveNothing) {
  HotBrowseState state;
  EXPECT_EQ(TurnToPrevious(state), HotTurn::kAtFirstPage);
  EXPECT_EQ(state.page, 1);
  EXPECT_EQ(state.view, kHotViewStart);
  state.lastPage = 1;
  EXPECT_EQ(TurnToNext(state), HotTurn::kAtLastPage);
  EXPECT_EQ(state.page, 1);
}

TEST(HotTurns, ATurnMovesThePageAndSwitchesToThePagingView) {
  HotBrowseState state;
  state.view = 3;
  ASSERT_EQ(TurnToNext(state), HotTurn::kReload);
  EXPECT_EQ(state.page, 2);
  EXPECT_EQ(state.view, kHotViewPaging);
  EXPECT_EQ(state.direction, HotDirection::kNext);
  TakeLoadOutcome(state, Loaded(2, 0));
  EXPECT_EQ(state.direction, HotDirection::kNone);
  ASSERT_EQ(TurnToPrevious(state), HotTurn::kReload);
  EXPECT_EQ(state.page, 1);
  EXPECT_EQ(state.direction, HotDirection::kPrevious);
}

TEST(HotTurns, AFailedNextIsTakenBackByTheNextNext) {
  HotBrowseState state;
  ASSERT_EQ(TurnToNext(state), HotTurn::kReload);  // page 2
  TakeLoadOutcome(state, Loaded(2, 0));
  ASSERT_EQ(TurnToNext(state), HotTurn::kReload);  // page 3, fails
  TakeLoadOutcome(state, Failed());
  EXPECT_EQ(state.page, 3);
  ASSERT_EQ(TurnToNext(state), HotTurn::kReload);  // back to 2, then 3 again
  EXPECT_EQ(state.page, 3);
}

TEST(HotTurns, AFailedPreviousIsTakenBackByTheNextPrevious) {
  HotBrowseState state;
  state.page = 4;
  ASSERT_EQ(TurnToPrevious(state), HotTurn::kReload);  // 3, fails
  TakeLoadOutcome(state, Failed());
  ASSERT_EQ(TurnToPrevious(state), HotTurn::kReload);  // 4, then 3
  EXPECT_EQ(state.page, 3);
  // A failed turn the other way is not taken back.
  TakeLoadOutcome(state, Failed());
  ASSERT_EQ(TurnToNext(state), HotTurn::kReload);
  EXPECT_EQ(state.page, 4);
}

TEST(HotTurns, ARefusedReloadCountsAsFailedSoTheStepIsTakenBack) {
  HotBrowseState state;
  ASSERT_EQ(TurnToNext(state), HotTurn::kReload);
  TakeLoadOutcome(state, Loaded(2, 0));
  ASSERT_EQ(TurnToNext(state), HotTurn::kReload);  // page 3, refused by the connection check
  TakeRefusedLoad(state);
  ASSERT_EQ(TurnToNext(state), HotTurn::kReload);
  EXPECT_EQ(state.page, 3);  // not 4: the refused step was taken back first
}

TEST(HotTurns, AFailedTurnOnPageOneIsNotTakenBack) {
  HotBrowseState state;
  state.page = 2;
  ASSERT_EQ(TurnToPrevious(state), HotTurn::kReload);  // page 1, fails
  TakeLoadOutcome(state, Failed());
  EXPECT_EQ(TurnToPrevious(state), HotTurn::kAtFirstPage);
  EXPECT_EQ(state.page, 1);
}

TEST(HotTurns, ALoadTakesThePagerState) {
  HotBrowseState state;
  state.lastLoadSucceeded = false;
  TakeLoadOutcome(state, Loaded(3, 1));
  EXPECT_TRUE(state.lastLoadSucceeded);
  EXPECT_EQ(state.page, 3);
  EXPECT_EQ(state.lastPage, 1);
  HotLoadOutcome nothing;
  TakeLoadOutcome(state, nothing);
  EXPECT_FALSE(state.lastLoadSucceeded);
  EXPECT_EQ(state.page, 3);
}

}  // namespace
}  // namespace tarvo::video
