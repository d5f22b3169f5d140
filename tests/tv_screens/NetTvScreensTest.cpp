// The net TV screens walked as a user walks them, against the stand-ins.
#include <chrono>

#include "TvRoutes.h"
#include "tv/screens/CAddTV.h"
#include "tv/screens/CRecommendTV.h"
#include "tv/screens/CSelfDefinedTV.h"
#include "tv_screens/TvScreensFixture.h"

namespace tarvo::testing {
namespace {

using namespace std::chrono_literals;

constexpr int kList = 994;
const std::vector<WString> kServedNames{u"Tarvo 测试一台", u"Tarvo 测试二台", u"Tarvo 新闻频道", u"Tarvo 远方台",
                                        u"Tarvo 流媒体台"};

class NetTv : public TvScreensFixture {
 protected:
  void OpenTv() {
    StartItem(u"网络电视");
    ASSERT_TRUE(driver_->WaitForDialog(u"电视直播"));
  }
  // On a device whose servers are at a closed port the fetch fails at once.
  void OpenTvUnreachable() {
    StartItem(u"网络电视");
    ExpectBox(u"无法连接服务器,请稍后获取推荐电视列表.", ui::kOkCaption, u"Tarvo");
    ASSERT_TRUE(driver_->WaitForDialog(u"电视直播"));
  }
  bool RowsAre(const std::vector<WString>& rows) {
    return driver_->WaitFor([&] {
      auto* list = dynamic_cast<ui::ListView*>(FindDescendant(driver_->GetUi().ActiveWindow(), kList));
      if (list == nullptr || list->ItemCount() != static_cast<int>(rows.size())) return false;
      for (int r = 0; r < list->ItemCount(); ++r)
        if (list->GetItemText(r, 0) != rows[static_cast<size_t>(r)]) return false;
      return true;
    });
  }
  bool FetchIdle() {
    return driver_->WaitFor([this] {
      auto* tv = dynamic_cast<CRecommendTV*>(driver_->GetUi().ActiveWindow());
      return tv != nullptr && !tv->Fetching() && !driver_->GetUi().IsWaitCursor();
    });
  }
  size_t ListRequests() {
    size_t count = 0;
    for (const auto& r : servers_.Requests())
      if (r.target.find("tvlist.txt") != std::string::npos) ++count;
    return count;
  }
  void WriteMyTv(const std::string& entries) {
    WritePhoneFile("Program Files/Tarvo/temp/TVList.xml",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Normal>\r\n" + entries + "</Normal>");
  }
};

TEST_F(NetTv, OpensWithMyChannelsThenTheServedOnesAndHelpAndOkCloseIt) {
  PrepareDevice(0);
  WriteMyTv("<a id=\"我的台\">mms://mine/1</a>\r\n");
  servers::ServerOptions options;
  options.dataDir = TARVO_SERVER_DATA_DIR;
  std::string error;
  ASSERT_TRUE(servers_.Start(options, &error)) << error;
  ASSERT_TRUE(PointServersAt(dir_.File("phone"), servers_.HttpPort()));
  LaunchPrepared();
  OpenTv();
  std::vector<WString> rows{u"我的台"};
  rows.insert(rows.end(), kServedNames.begin(), kServedNames.end());
  ASSERT_TRUE(RowsAre(rows));
  ASSERT_TRUE(FetchIdle());
  EXPECT_EQ(driver_->SoftKeys(),
            (std::vector<WString>{u"选项", u"选项/使用说明", u"选项/刷新推荐电视", u"选项/我的电视"}));
  TapRow(kList, 2);
  driver_->Sync();
  Shot("tv-list-240x320");
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"使用说明"}));
  ExpectBox(u"选中某个网络电视即可用关联好mms,rtsp协议的的播放器观看网络电视。\r\n"
            u"我的电视中可以自己添加喜欢的电视，并且会出现在列表的最前面。\r\n"
            u"如果列表中没有推荐电视，可以在网络顺畅的时候点击刷新推荐电视",
            ui::kOkCaption, u"Tarvo");
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(BackAtLauncher());
  EXPECT_EQ(ListRequests(), 1u);
}

TEST_F(NetTv, ACatalogueChannelPlaysThroughTheMappedPlayerWhichGetsTheClip) {
  PrepareDevice(0);
  servers::ServerOptions options;
  options.dataDir = TARVO_SERVER_DATA_DIR;
  std::string error;
  ASSERT_TRUE(servers_.Start(options, &error)) << error;
  ASSERT_TRUE(PointServersAt(dir_.File("phone"), servers_.HttpPort()));
  const std::string out = dir_.File("clip.y4m");
  SetProfileValue("\\Windows\\player.exe", std::string(TARVO_PROBE_PATH) + " fetch %* --file " + out);
  LaunchPrepared();
  OpenTv();
  ASSERT_TRUE(RowsAre(kServedNames));
  TapRow(kList, 0);
  const std::string clip = servers::TvClip(1);
  ASSERT_TRUE(driver_->WaitFor([&] { return dir_.Read("clip.y4m") == clip; }, 10s));
  const std::string log = LaunchLog();
  const std::string url = servers_.HttpBase() + "/tv/1.y4m";
  EXPECT_NE(log.find("\topen\t" + url + "\t\tunmapped"), std::string::npos) << log;
  EXPECT_NE(log.find("\tprocess\t\\Windows\\player.exe\t" + url + "\tstarted"), std::string::npos) << log;
}

TEST_F(NetTv, AStalledServerNeitherHoldsUpRefreshNorClose) {
  PrepareDevice(0);
  servers::ServerOptions options;
  options.dataDir = TARVO_SERVER_DATA_DIR;
  options.faults = true;
  std::string error;
  ASSERT_TRUE(servers_.Start(options, &error)) << error;
  SetProfileValue("ContentServer", servers_.HttpBase() + "/_fault/stall");
  SetProfileValue("TimeoutMs", "4000");
  LaunchPrepared();
  OpenTv();
  ASSERT_TRUE(servers_.WaitForRequests(1, std::chrono::steady_clock::now() + 3s));
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"刷新推荐电视"}));  // nothing fetched yet: no question
  ASSERT_TRUE(servers_.WaitForRequests(2, std::chrono::steady_clock::now() + 3s));
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(BackAtLauncher());
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
  EXPECT_FALSE(driver_->ShownMessageBox().has_value());
}

struct BadList {
  const char* name;
  const char* kind;   // a fault of the served list, or empty
  const char* body;   // the list file otherwise
  const char16_t* message;
};

class NetTvBadLists : public NetTv, public ::testing::WithParamInterface<BadList> {};

TEST_P(NetTvBadLists, SayWhyNoChannelCame) {
  const BadList& bad = GetParam();
  PrepareDevice(0);
  testing::TempDir data;
  data.Write("content/tarvo/tvlist.txt", ToCodePage(FromUtf8(bad.body), "GBK"));
  servers::ServerOptions options;
  options.dataDir = data.File("");
  options.faults = true;
  std::string error;
  ASSERT_TRUE(servers_.Start(options, &error)) << error;
  SetProfileValue("ContentServer", servers_.HttpBase() + (*bad.kind ? std::string("/_fault/") + bad.kind : ""));
  LaunchPrepared();
  // A quick failure may put its box up before the dialog is seen in front: the box first.
  StartItem(u"网络电视");
  ExpectBox(bad.message, ui::kOkCaption, u"Tarvo");
  ASSERT_TRUE(driver_->WaitForDialog(u"电视直播"));
  EXPECT_TRUE(Column(kList).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NetTvBadLists,
    ::testing::Values(BadList{"stall", "stall", "#A\r\nmms://a\r\n", u"无法连接服务器,请稍后获取推荐电视列表."},
                      BadList{"reset", "reset:0", "#A\r\nmms://a\r\n", u"无法连接服务器,请稍后获取推荐电视列表."},
                      BadList{"notfound", "status:404", "#A\r\nmms://a\r\n", u"无法连接服务器,请稍后获取推荐电视列表."},
                      BadList{"garbage", "garbage", "#A\r\nmms://a\r\n", u"无法连接服务器,请稍后获取推荐电视列表."},
                      BadList{"suspended", "", "#网站被暂停\r\nmms://a\r\n", u"无法连接服务器,请稍后获取推荐电视列表."},
                      BadList{"textfirst", "", "x#A\r\nmms://a\r\n", u"无法连接服务器,请稍后获取推荐电视列表."},
                      BadList{"hashonly", "", "#", u"抱歉,没有找到推荐电视!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NetTv, OfflineAsksToDialAndTheNewConnectionFetchesOnceWithoutDuplicates) {
  PrepareDevice(0);
  servers::ServerOptions options;
  options.dataDir = TARVO_SERVER_DATA_DIR;
  std::string error;
  ASSERT_TRUE(servers_.Start(options, &error)) << error;
  ASSERT_TRUE(PointServersAt(dir_.File("phone"), servers_.HttpPort()));
  SetProfileValue("Status", "");
  ASSERT_TRUE(servers_.ArmFault("/tarvo/tvlist.txt", "status:404", 1, &error)) << error;
  LaunchPrepared();
  StartItem(u"网络电视");
  // No: the offer is the only message.
  ExpectBox(u"检测到您没有连入任何网络，是否拨号上网(将产生流量费)？", ui::kNoCaption);
  ASSERT_TRUE(driver_->WaitForDialog(u"电视直播"));
  ASSERT_TRUE(FetchIdle());
  EXPECT_FALSE(driver_->ShownMessageBox().has_value());
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"刷新推荐电视"}));
  // Refresh asks first, as nothing is connected; Yes dials and the new connection fetches.
  ExpectBox(u"检测到您没有连入任何网络，是否拨号上网(将产生流量费)？", ui::kYesCaption);
  ASSERT_TRUE(RowsAre(kServedNames));
  ASSERT_TRUE(FetchIdle());
  EXPECT_EQ(ListRequests(), 2u);
  // Another connection event fetches again: the result replaces the rows.
  driver_->Invoke([this] {
    auto* tv = dynamic_cast<CRecommendTV*>(driver_->GetUi().ActiveWindow());
    driver_->GetUi().PostMessage(tv->Handle(), driver_->GetUi().RegisterWindowMessage("CONNMGR_STATUS_CHANGE_NOTIFICATION_MSG"), 0x10, 0);
  });
  ASSERT_TRUE(driver_->WaitFor([this] { return ListRequests() == 3u; }));
  ASSERT_TRUE(FetchIdle());
  EXPECT_TRUE(RowsAre(kServedNames));
}

TEST_F(NetTv, PlayMessagesForARefusedAddressAndAMissingPlayer) {
  PrepareDevice(0);
  WriteMyTv("<a id=\"坏\">MMS://up/1</a>\r\n<a id=\"好\">mms://ok/1</a>\r\n");
  std::filesystem::remove(dir_.File("phone/fs/Windows/player.exe"));
  LaunchPrepared();
  OpenTvUnreachable();
  TapRow(kList, 0);
  ExpectBox(u"播放失败！", ui::kOkCaption, u"Tarvo");
  TapRow(kList, 1);
  ExpectBox(u"在您的手机中未发现CorePlayer！", ui::kOkCaption, u"Tarvo");
  EXPECT_EQ(LaunchLog().find("MMS://"), std::string::npos);
}

TEST_F(NetTv, MyTvEditorWalksEveryButtonWithTheFileAfterEach) {
  PrepareDevice(0);
  LaunchPrepared();
  OpenTvUnreachable();
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"我的电视"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"推荐电视"));
  for (auto [id, text] : std::vector<std::pair<int, const char16_t*>>{{1051, u"请选择一项再修改!"},
                                                                      {992, u"请选择一项再删除!"},
                                                                      {1015, u"请选择一项再上移!"},
                                                                      {1016, u"请选择一项再下移!"}}) {
    TapControl(id);
    ExpectBox(text, ui::kOkCaption, u"提示");
  }
  // Add: the dialog shows "mms://", checks in order, raises the input panel.
  TapControl(1028);
  ASSERT_TRUE(driver_->WaitForDialog(u"Tarvo"));
  EXPECT_EQ(driver_->ControlText(1004), u"mms://");
  TapControl(1023);
  ExpectBox(u"电视名称不能为空!", ui::kOkCaption, u"提示");
  TypeInto(1000, u"一台");
  EXPECT_TRUE(driver_->Invoke([this] { return driver_->GetUi().Frame().InputPanelShown(); }));
  TypeInto(1004, u"");
  TapControl(1023);
  ExpectBox(u"播放地址不能为空!");
  TypeInto(1004, u"https://x");
  TapControl(1023);
  ExpectBox(u"播放地址格式有误,只支持http,mms和rtsp!");
  TypeInto(1004, u"rtsp:/x  y ");
  Shot("tv-add-240x320");
  TapControl(1023);
  ExpectBox(u"保存成功!", ui::kOkCaption, u"提示");
  ASSERT_TRUE(driver_->WaitForDialog(u"推荐电视"));
  EXPECT_FALSE(driver_->Invoke([this] { return driver_->GetUi().Frame().InputPanelShown(); }));
  EXPECT_NE(TvListXml().find(">rtsp:/x y</a>"), std::string::npos) << TvListXml();
  EXPECT_EQ(Column(kList, 1), (std::vector<WString>{u"rtsp:/x y"}));
  // A second channel, then moves at the edges and in between.
  TapControl(1028);
  ASSERT_TRUE(driver_->WaitForDialog(u"Tarvo"));
  TypeInto(1000, u"二台");
  TypeInto(1004, u"mms://two");
  TapControl(1023);
  ExpectBox(u"保存成功!");
  TapRow(kList, 0);
  TapControl(1015);
  ExpectBox(u"已经位于第一行!");
  TapControl(1016);
  driver_->Sync();
  EXPECT_EQ(Column(kList), (std::vector<WString>{u"二台", u"一台"}));
  EXPECT_LT(TvListXml().find("二台"), TvListXml().find("一台"));
  TapControl(1016);
  ExpectBox(u"已经位于最末行!");
  Shot("tv-editor-240x320");
  // Modify, then cancel a modify: the file keeps the first change only.
  TapControl(1051);
  ASSERT_TRUE(driver_->WaitForDialog(u"Tarvo"));
  EXPECT_EQ(driver_->ControlText(1000), u"一台");
  TypeInto(1000, u"一台改");
  TapControl(1023);
  ExpectBox(u"保存成功!");
  TapControl(1051);
  ASSERT_TRUE(driver_->WaitForDialog(u"Tarvo"));
  TypeInto(1000, u"不要");
  TapControl(1022);
  ASSERT_TRUE(driver_->WaitForDialog(u"推荐电视"));
  EXPECT_EQ(TvListXml().find("不要"), std::string::npos);
  EXPECT_NE(TvListXml().find("一台改"), std::string::npos);
  // Delete the last row, then the only one.
  TapControl(992);
  driver_->Sync();
  EXPECT_EQ(Column(kList), (std::vector<WString>{u"二台"}));
  EXPECT_EQ(driver_->Invoke([this] { return dynamic_cast<CSelfDefinedTV*>(driver_->GetUi().ActiveWindow())->Selected(); }), 0);
  TapControl(992);
  driver_->Sync();
  EXPECT_TRUE(Column(kList).empty());
  EXPECT_EQ(driver_->Invoke([this] { return dynamic_cast<CSelfDefinedTV*>(driver_->GetUi().ActiveWindow())->Selected(); }), -1);
  EXPECT_EQ(TvListXml().find("<a "), std::string::npos);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"电视直播"));
}

TEST_F(NetTv, ARenameShowsAfterReopeningAndAnAddShowsAtOnce) {
  PrepareDevice(0);
  WriteMyTv("<a id=\"旧名\">mms://a</a>\r\n");
  LaunchPrepared();
  OpenTvUnreachable();
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"我的电视"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"推荐电视"));
  TapRow(kList, 0);
  TapControl(1051);
  ASSERT_TRUE(driver_->WaitForDialog(u"Tarvo"));
  TypeInto(1000, u"新名");
  TapControl(1023);
  ExpectBox(u"保存成功!");
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitForDialog(u"电视直播"));
  EXPECT_EQ(Column(kList), (std::vector<WString>{u"旧名"}));  // same count: the rows stay
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(BackAtLauncher());
  OpenTvUnreachable();
  EXPECT_EQ(Column(kList), (std::vector<WString>{u"新名"}));
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"我的电视"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"推荐电视"));
  TapControl(1028);
  ASSERT_TRUE(driver_->WaitForDialog(u"Tarvo"));
  TypeInto(1000, u"加的");
  TypeInto(1004, u"http://b");
  TapControl(1023);
  ExpectBox(u"保存成功!");
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitForDialog(u"电视直播"));
  EXPECT_EQ(Column(kList), (std::vector<WString>{u"新名", u"加的"}));
}

TEST_F(NetTv, AFailedSaveSaysSoAndKeepsTheDialogOpen) {
  PrepareDevice(0);
  std::filesystem::create_directories(dir_.File("phone/fs/Program Files/Tarvo/temp/TVList.xml"));
  LaunchPrepared();
  OpenTvUnreachable();
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"我的电视"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"推荐电视"));
  TapControl(1028);
  ASSERT_TRUE(driver_->WaitForDialog(u"Tarvo"));
  TypeInto(1000, u"台");
  TapControl(1023);
  ExpectBox(u"保存失败!", ui::kOkCaption, u"提示");
  EXPECT_EQ(driver_->TopCaption(), u"Tarvo");
  TapControl(1022);
  ASSERT_TRUE(driver_->WaitForDialog(u"推荐电视"));
  EXPECT_TRUE(Column(kList).empty());
}

TEST_F(NetTv, RotationResizesTheListAndNoFetchRunsUnderTheEditor) {
  PrepareDevice(0);
  servers::ServerOptions options;
  options.dataDir = TARVO_SERVER_DATA_DIR;
  std::string error;
  ASSERT_TRUE(servers_.Start(options, &error)) << error;
  ASSERT_TRUE(PointServersAt(dir_.File("phone"), servers_.HttpPort()));
  LaunchPrepared(480, 800);
  OpenTv();
  ASSERT_TRUE(RowsAre(kServedNames));
  ASSERT_TRUE(FetchIdle());
  Shot("tv-list-480x800");
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"我的电视"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"推荐电视"));
  Shot("tv-editor-480x800");
  driver_->Invoke([this] {
    auto* tv = dynamic_cast<CRecommendTV*>(driver_->GetUi().TopLevels().at(driver_->GetUi().TopLevels().size() - 2));
    if (tv) driver_->GetUi().PostMessage(tv->Handle(), driver_->GetUi().RegisterWindowMessage("CONNMGR_STATUS_CHANGE_NOTIFICATION_MSG"), 0x10, 0);
  });
  driver_->Sync();
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"电视直播"));
  EXPECT_EQ(ListRequests(), 1u);
  driver_->Invoke([this] { driver_->GetUi().Rotate(); });
  driver_->Sync();
  const int width = driver_->Invoke([this] {
    auto* list = dynamic_cast<ui::ListView*>(FindDescendant(driver_->GetUi().ActiveWindow(), kList));
    return list->ColumnWidth(0);
  });
  EXPECT_EQ(width, 800 - driver_->Invoke([this] { return app_->Metrics.ScrollBarWidth; }));
  Shot("tv-list-800x480");
}

}  // namespace
}  // namespace tarvo::testing
