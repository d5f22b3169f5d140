// The hot-video browser from the launcher against the stand-in hot-video
// page server of tarvo-servers, in process on an ephemeral port: views,
// categories, paging at both ends and after a failed turn, playing, closing
// during a stall, and the fault kinds on its pages.
#include <chrono>

#include "YoukuFixture.h"
#include "video/screens/CHotVideo.h"

namespace tarvo::testing {
namespace {

using Clock = std::chrono::steady_clock;

const std::vector<std::string> kTudouFront = {"晨光小巷", "山间骑行", "湖畔写生", "老街茶馆"};
const std::vector<std::string> kIndex1 = {"首页推荐1", "首页推荐2", "首页推荐3", "首页推荐4", "首页推荐5"};
const std::vector<std::string> kIndex2 = {"首页推荐6", "首页推荐7", "首页推荐8", "首页推荐9", "首页推荐10"};
const std::vector<std::string> kIndex3 = {"首页推荐11", "首页推荐12", "首页推荐13"};

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class HotVideoScreen : public YoukuFixture {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  // Opens the browser and waits until its first load has been taken.
  void OpenHot() {
    StartItem(u"热点视频");
    ASSERT_TRUE(driver_->WaitForDialog(u"热点视频"));
    ASSERT_TRUE(LoadIdle());
  }
  video::CHotVideo* Hot() { return dynamic_cast<video::CHotVideo*>(driver_->GetUi().ActiveWindow()); }
  // No load runs and its outcome has been taken (the wait cursor is gone), or a box is up.
  bool LoadIdle() {
    return driver_->WaitFor([this] {
      if (driver_->GetUi().ActiveWindow() != nullptr && !Hot()) return true;  // a message box
      return Hot() != nullptr && !Hot()->Loading() && !driver_->GetUi().IsWaitCursor();
    });
  }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (const auto& row : driver_->ListRows(994).value_or(std::vector<std::vector<WString>>{}))
      rows.push_back(ToUtf8(row.at(0)));
    return rows;
  }
  bool RowsAre(const std::vector<std::string>& expected) {
    const bool same = driver_->WaitFor([&] {
      std::vector<std::string> rows;
      if (auto* hot = Hot()) {
        for (const auto& item : hot->Items()) rows.push_back(ToUtf8(item.title));
      }
      return rows == expected;
    });
    return same && Rows() == expected;
  }
  int Page() {
    return driver_->Invoke([this] { return Hot() ? Hot()->State().page : -1; });
  }
  // The hot-page targets asked since the mark.
  std::vector<std::string> HotTargets(size_t from = 0) {
    std::vector<std::string> targets;
    const auto all = RequestTargets();
    for (size_t i = from; i < all.size(); ++i) {
      if (all[i].rfind("/tudou/", 0) == 0 || all[i].rfind("/yk/", 0) == 0) targets.push_back(all[i]);
    }
    return targets;
  }
  size_t Mark() { return servers_.Requests().size(); }
  void Pick(std::vector<WString> path) {
    ASSERT_TRUE(driver_->PickMenuItem(path));
    driver_->Sync();
  }
  size_t Opens() {
    const std::string log = LaunchLog();
    size_t opens = 0;
    for (size_t at = log.find("\topen\t"); at != std::string::npos; at = log.find("\topen\t", at + 1)) ++opens;
    return opens;
  }
};

TEST_F(HotVideoScreen, OpensOnTheTudouFrontThenTheYoukuFrontWithItsMenu) {
  LaunchVideo();
  OpenHot();
  EXPECT_TRUE(RowsAre(Joined(kTudouFront, kIndex1)));
  EXPECT_EQ(HotTargets(), (std::vector<std::string>{"/tudou/", "/yk/"}));
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(driver_->SoftKeys(),
            (std::vector<WString>{u"刷新", u"菜单", u"菜单/分类", u"菜单/翻页"}));
  // The rows reach the UI dump, so a script finds and taps them.
  const auto dumped = driver_->Engine().Dump();
  ASSERT_TRUE(dumped.has_value());
  const std::string dump = dumped->dump();
  EXPECT_NE(dump.find("晨光小巷"), std::string::npos);
  EXPECT_NE(dump.find("首页推荐5"), std::string::npos);
  SaveVideoScreen("hot-240x320");
  EXPECT_TRUE(MatchesReferencePng(driver_->Screenshot(), "video-hot-240x320.png"));
}

TEST_F(HotVideoScreen, CategoriesLoadTheirTwoPagesAndFinanceOnlyItsTudouPage) {
  LaunchVideo();
  OpenHot();
  size_t mark = Mark();
  Pick({u"菜单", u"分类", u"电视剧"});
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre({"长河岁月 第1集", "长河岁月 第2集", "青石巷 第5集", "青石巷 第6集"}));
  EXPECT_EQ(HotTargets(mark), (std::vector<std::string>{"/tudou/?url1=tv.tudou.test", "/yk/?catpid=97"}));
  mark = Mark();
  Pick({u"菜单", u"分类", u"财经"});
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre({"早盘观察", "理财小课堂"}));
  EXPECT_EQ(HotTargets(mark), (std::vector<std::string>{"/tudou/?url1=finance.tudou.test"}));
  // Refresh reads the same view again.
  mark = Mark();
  Pick({u"刷新"});
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre({"早盘观察", "理财小课堂"}));
  EXPECT_EQ(HotTargets(mark), (std::vector<std::string>{"/tudou/?url1=finance.tudou.test"}));
}

TEST_F(HotVideoScreen, PagingStopsAtBothEndsAndPageOneReadsTheTudouFrontAgain) {
  LaunchVideo();
  OpenHot();
  Pick({u"菜单", u"翻页", u"上一页"});
  ExpectBox(u"已经是第一页", ui::kOkCaption, u"Tarvo");
  size_t mark = Mark();
  Pick({u"菜单", u"翻页", u"下一页"});
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre(kIndex2));
  EXPECT_EQ(HotTargets(mark), (std::vector<std::string>{"/yk/index.php?k=&p=2"}));
  EXPECT_EQ(Page(), 2);
  Pick({u"菜单", u"翻页", u"下一页"});
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre(kIndex3));
  EXPECT_EQ(Page(), 3);
  mark = Mark();
  Pick({u"菜单", u"翻页", u"下一页"});
  ExpectBox(u"已经是最后一页", ui::kOkCaption, u"Tarvo");
  EXPECT_TRUE(HotTargets(mark).empty());
  EXPECT_EQ(Page(), 3);
  Pick({u"菜单", u"翻页", u"上一页"});
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre(kIndex2));
  mark = Mark();
  Pick({u"菜单", u"翻页", u"上一页"});
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre(Joined(kTudouFront, kIndex1)));
  EXPECT_EQ(HotTargets(mark), (std::vector<std::string>{"/tudou/", "/yk/index.php?k=&p=1"}));
  // A category keeps the page number.
  Pick({u"菜单", u"翻页", u"下一页"});
  ASSERT_TRUE(LoadIdle());
  Pick({u"菜单", u"分类", u"动漫"});
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre({"小狐狸找家", "纸飞机"}));
  EXPECT_EQ(Page(), 2);
}

TEST_F(HotVideoScreen, AFailedTurnIsTakenBackByTheNextTurnTheSameWay) {
  LaunchVideo();
  OpenHot();
  std::string error;
  ASSERT_TRUE(servers_.ArmFault("/yk/index.php", "reset:0", 1, &error)) << error;
  Pick({u"菜单", u"翻页", u"下一页"});
  ExpectBox(u"搜索超时或网络错误", ui::kOkCaption, u"Tarvo");
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(Page(), 2);
  const size_t mark = Mark();
  Pick({u"菜单", u"翻页", u"下一页"});
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre(kIndex2));
  EXPECT_EQ(HotTargets(mark), (std::vector<std::string>{"/yk/index.php?k=&p=2"}));
  EXPECT_EQ(Page(), 2);
}

TEST_F(HotVideoScreen, ATurnRefusedByTheConnectionCheckCountsAsFailed) {
  profileValues_ = {{"Status", ""}, {"DialResult", ""}, {"DialDelayMs", "0"}};
  LaunchVideo();
  OpenHot();  // the fetch itself goes through: only the check says offline
  ASSERT_TRUE(RowsAre(Joined(kTudouFront, kIndex1)));
  const size_t mark = Mark();
  Pick({u"菜单", u"翻页", u"下一页"});
  ExpectBox(u"检测到您没有连入任何网络，是否拨号上网(将产生流量费)？", ui::kNoCaption);
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(Page(), 2);
  Pick({u"菜单", u"翻页", u"下一页"});
  ExpectBox(u"检测到您没有连入任何网络，是否拨号上网(将产生流量费)？", ui::kNoCaption);
  EXPECT_EQ(Page(), 2);  // taken back to 1 first, then 2 again: never 3
  Pick({u"菜单", u"翻页", u"上一页"});
  ExpectBox(u"检测到您没有连入任何网络，是否拨号上网(将产生流量费)？", ui::kNoCaption);
  EXPECT_EQ(Page(), 1);
  EXPECT_TRUE(HotTargets(mark).empty());
}

TEST_F(HotVideoScreen, ADialUpFromTheCheckLoadsWhenTheConnectionComesUp) {
  profileValues_ = {{"Status", ""}, {"DialDelayMs", "0"}};
  LaunchVideo();
  OpenHot();
  const size_t mark = Mark();
  Pick({u"菜单", u"分类", u"热点"});
  ExpectBox(u"检测到您没有连入任何网络，是否拨号上网(将产生流量费)？", ui::kYesCaption);
  ASSERT_TRUE(RowsAre({"今日快讯", "城市早报", "天气速递", "热议话题一", "热议话题二"}));
  ASSERT_TRUE(LoadIdle());
  EXPECT_EQ(HotTargets(mark), (std::vector<std::string>{"/tudou/?url1=news.tudou.test", "/yk/?catpid=91"}));
}

TEST_F(HotVideoScreen, ATudouItemPlaysItsPlayAddressAndAYoukuItemItsOwn) {
  LaunchVideo();
  OpenHot();
  ASSERT_TRUE(RowsAre(Joined(kTudouFront, kIndex1)));
  TapRow(994, 0);
  ASSERT_TRUE(driver_->WaitFor([this] { return Opens() == 1; }));
  EXPECT_EQ(Playlist(), Base() + "/tudou/play/td0101");
  EXPECT_NE(LaunchLog().find("\topen\t\\Program Files\\Tarvo\\temp\\Tarvo.m3u"), std::string::npos) << LaunchLog();
  TapRow(994, 4);
  ASSERT_TRUE(driver_->WaitFor([this] { return Opens() == 2; }));
  EXPECT_EQ(Playlist(), Base() + "/yk/?ykvideo=yi01");
  EXPECT_EQ(driver_->TopCaption(), u"热点视频");
}

TEST_F(HotVideoScreen, APlaylistThatCannotBeWrittenIsSaidAndNothingOpens) {
  LaunchVideo();
  OpenHot();
  std::filesystem::create_directories(dir_.File("phone/fs/Program Files/Tarvo/temp/Tarvo.m3u"));
  TapRow(994, 1);
  ExpectBox(u"创建Tarvo.m3u文件失败！", ui::kOkCaption, u"Tarvo");
  EXPECT_EQ(Opens(), 0u);
}

TEST_F(HotVideoScreen, OkAndEscapeCloseWithinASecondDuringAStall) {
  LaunchVideo();
  std::string error;
  ASSERT_TRUE(servers_.ArmFault("/tudou/", "stall", 0, &error)) << error;
  for (int key : {0, ui::keys::kEscape}) {
    const size_t before = servers_.Requests().size();
    StartItem(u"热点视频");
    ASSERT_TRUE(driver_->WaitForDialog(u"热点视频"));
    ASSERT_TRUE(servers_.WaitForRequests(before + 1, Clock::now() + std::chrono::seconds(5)));
    ASSERT_TRUE(driver_->Invoke([this] { return Hot() != nullptr && Hot()->Loading(); }));
    const auto start = Clock::now();
    if (key == 0) {
      ASSERT_TRUE(driver_->TapOkButton());
    } else {
      driver_->Key(key);
    }
    ASSERT_TRUE(driver_->WaitFor([this] { return launcher_ != nullptr && driver_->GetUi().ActiveWindow() == launcher_; }));
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(1));
    EXPECT_FALSE(driver_->GetUi().IsWaitCursor());
    EXPECT_FALSE(driver_->ShownMessageBox().has_value());
  }
}

TEST_F(HotVideoScreen, AReloadDuringAStallDropsTheStoppedLoad) {
  LaunchVideo();
  std::string error;
  ASSERT_TRUE(servers_.ArmFault("/tudou/", "stall", 1, &error)) << error;
  StartItem(u"热点视频");
  ASSERT_TRUE(driver_->WaitForDialog(u"热点视频"));
  ASSERT_TRUE(servers_.WaitForRequests(1, Clock::now() + std::chrono::seconds(5)));
  ASSERT_TRUE(driver_->WaitFor([this] { return Hot() != nullptr && Hot()->Loading(); }));
  Pick({u"菜单", u"分类", u"体育"});
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre({"城市马拉松", "篮球集锦"}));
  EXPECT_FALSE(driver_->ShownMessageBox().has_value());
}

TEST_F(HotVideoScreen, TheConnectionMessageLoadsOnlyWhenNoLoadRuns) {
  LaunchVideo();
  OpenHot();
  const size_t mark = Mark();
  driver_->Invoke([this] {
    driver_->GetUi().PostMessage(Hot()->Handle(),
                                 driver_->GetUi().RegisterWindowMessage("CONNMGR_STATUS_CHANGE_NOTIFICATION_MSG"), 0x10, 0);
  });
  ASSERT_TRUE(driver_->WaitFor([&] { return HotTargets(mark).size() == 2; }));
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre(Joined(kTudouFront, kIndex1)));
  // Another status than connected loads nothing.
  const size_t later = Mark();
  driver_->Invoke([this] {
    driver_->GetUi().PostMessage(Hot()->Handle(),
                                 driver_->GetUi().RegisterWindowMessage("CONNMGR_STATUS_CHANGE_NOTIFICATION_MSG"), 0x20, 0);
  });
  driver_->Sync();
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(HotTargets(later).empty());
}

TEST_F(HotVideoScreen, LaysItselfOutAt480x800) {
  LaunchVideo(480, 800);
  OpenHot();
  ASSERT_TRUE(RowsAre(Joined(kTudouFront, kIndex1)));
  TapRow(994, 2);
  driver_->Sync();
  SaveVideoScreen("hot-480x800");
  const ui::Rect list = driver_->Invoke([this] { return FindDescendant(Hot(), 994)->ScreenRect(); });
  EXPECT_EQ(list.right - list.left, 480);
}

TEST_F(HotVideoScreen, ARotationLaysTheListOutForTheNewWidth) {
  LaunchVideo();
  OpenHot();
  driver_->GetUi().PostTask([this] { driver_->GetUi().Rotate(); });
  ASSERT_TRUE(driver_->WaitFor([this] { return app_->Metrics.ScreenWidth == 320; }));
  driver_->Sync();
  const auto [width, column] = driver_->Invoke([this] {
    auto* list = dynamic_cast<ui::ListView*>(FindDescendant(Hot(), 994));
    return std::pair<int, int>{list->WindowRect().Width(), list->ColumnWidth(0)};
  });
  EXPECT_EQ(width, 320);
  EXPECT_EQ(column, 320 - app_->Metrics.ScrollBarWidth);
  EXPECT_TRUE(RowsAre(Joined(kTudouFront, kIndex1)));
  SaveVideoScreen("hot-320x240");
}

// Fault kinds on the hot pages: a body without items is an empty list, no
// body is the message, and nothing hangs.
struct HotFault {
  const char* name;
  const char* kind;
  bool message;
};

class HotVideoFaults : public HotVideoScreen, public ::testing::WithParamInterface<HotFault> {};

TEST_P(HotVideoFaults, EndAsTheirBodySays) {
  LaunchVideo();
  std::string error;
  ASSERT_TRUE(servers_.ArmFault("/tudou/", GetParam().kind, 0, &error)) << error;
  ASSERT_TRUE(servers_.ArmFault("/yk/", GetParam().kind, 0, &error)) << error;
  const auto start = Clock::now();
  StartItem(u"热点视频");
  ASSERT_TRUE(driver_->WaitForDialog(u"热点视频"));
  if (GetParam().message) {
    ExpectBox(u"搜索超时或网络错误", ui::kOkCaption, u"Tarvo");
  } else {
    ASSERT_TRUE(LoadIdle());
    EXPECT_FALSE(driver_->ShownMessageBox().has_value());
  }
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(Rows().empty());
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(4));
  const std::vector<std::string> asked =
      GetParam().message ? std::vector<std::string>{"/tudou/"} : std::vector<std::string>{"/tudou/", "/yk/"};
  EXPECT_EQ(HotTargets(), asked);
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
}

INSTANTIATE_TEST_SUITE_P(Kinds, HotVideoFaults,
                         ::testing::Values(HotFault{"stall", "stall", true}, HotFault{"resetAtOnce", "reset:0", true},
                                           HotFault{"status404", "status:404", false},
                                           HotFault{"garbage", "garbage", false}, HotFault{"empty", "empty", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A body broken off still counts as text: it is read as far as it came.
TEST_F(HotVideoScreen, APartialPageIsReadAsFarAsItCame) {
  LaunchVideo();
  std::string error;
  // The Tudou front broken off among its items, before the part's end: none
  // of its items, but no message; the Youku front whole.
  ASSERT_TRUE(servers_.ArmFault("/tudou/", "reset:560", 1, &error)) << error;
  OpenHot();
  EXPECT_FALSE(driver_->ShownMessageBox().has_value());
  EXPECT_TRUE(RowsAre(kIndex1));
  // Broken off inside the album part, after the ordinary part's end: every item.
  ASSERT_TRUE(servers_.ArmFault("/tudou/", "reset:1100", 1, &error)) << error;
  Pick({u"刷新"});
  ASSERT_TRUE(LoadIdle());
  EXPECT_TRUE(RowsAre(Joined(kTudouFront, kIndex1)));
  EXPECT_FALSE(driver_->ShownMessageBox().has_value());
}

}  // namespace
}  // namespace tarvo::testing
