// The Youku screens against the stand-in Youku site and parse page of
// tarvo-servers, in process on an ephemeral port, also with every base below
// the fault kinds.
#include <chrono>

#include "YoukuFixture.h"
#include "platform/ui/ComboBox.h"

namespace tarvo::testing {
namespace {

class YoukuSiteEndToEnd : public YoukuFixture {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  // Every Youku base below /_fault/KIND/ (the others stay plain).
  void BaseBelowFault(const std::string& key, const std::string& kind) {
    const std::string base = "http://127.0.0.1:" + std::to_string(servers_.HttpPort()) + "/_fault/" + kind;
    profileValues_.emplace_back(key, key == "ParsePage" ? base + "/parse.php" : base);
  }
  void Search(WStringView keyword) {
    OpenSearch();
    TypeKeyword(keyword);
    TapSearch();
  }
  void SetKeyword(WStringView keyword) {
    driver_->Invoke([this, keyword = WString(keyword)] {
      dynamic_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), 1201))->SetEditText(keyword);
    });
  }
  // For WaitFor, whose condition runs on the UI thread.
  bool PageLabelIs(const std::string& label) {
    std::vector<ui::PaintedText> painted;
    if (ui::Window* top = driver_->GetUi().ActiveWindow()) top->DescribePainted(painted);
    return painted.size() == 1 && ToUtf8(painted[0].text) == label;
  }
  std::vector<WString> Rows() {
    std::vector<WString> rows;
    for (const auto& row : driver_->ListRows(994).value_or(std::vector<std::vector<WString>>{}))
      rows.push_back(row.at(0));
    return rows;
  }
  // The centre of a painted text, in screen coordinates.
  std::optional<ui::Point> TextCenter(const std::string& text) {
    return driver_->Invoke([this, text]() -> std::optional<ui::Point> {
      std::vector<ui::PaintedText> painted;
      ui::Window* top = driver_->GetUi().ActiveWindow();
      top->DescribePainted(painted);
      for (const auto& p : painted)
        if (ToUtf8(p.text) == text)
          return top->ToScreen(ui::Point{(p.rect.left + p.rect.right) / 2, (p.rect.top + p.rect.bottom) / 2});
      return std::nullopt;
    });
  }
  std::string Gbk(const std::string& utf8) { return ToCodePage(FromUtf8(utf8), "GBK"); }
};

const std::vector<WString> kHeaders = {u"点击查看所有【系列节目】", u"点击查看所有【节目】", u"点击查看所有【热播】",
                                       u"点击查看所有【电影】",     u"点击查看所有【电视剧】", u"点击查看所有【综艺】",
                                       u"点击查看所有【预告片】",   u"点击查看所有【剧集】"};

TEST_F(YoukuSiteEndToEnd, EverySectionHeadsTheListThenTenVideosWithTheirPictures) {
  LaunchVideo();
  Search(u"星河");
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), kHeaders.size() + 10);
  EXPECT_EQ(std::vector<WString>(rows.begin(), rows.begin() + 8), kHeaders);
  EXPECT_EQ(ToUtf8(rows[8]), "星河片段01\n星河片段01的介绍\n07:13");
  EXPECT_EQ(ToUtf8(rows[10]), "星河片段03\n21:39");
  EXPECT_EQ(PaintedTexts(), (std::vector<std::string>{"第 1 页"}));
  // JPEG and PNG pictures arrive; the broken, missing and mislabelled ones never hold the rest.
  ASSERT_TRUE(driver_->WaitFor([this] {
    return ImageFileExists("0.jpg") && ImageFileExists("Normal0.jpg") && ImageFileExists("Normal9.jpg");
  }));
  driver_->Sync();
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频搜索"));
  EXPECT_FALSE(ImageFileExists("Normal0.jpg"));
}

TEST_F(YoukuSiteEndToEnd, PagingReachesTheLastPageAndStopsThere) {
  LaunchVideo();
  Search(u"星河");
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapControl(1002);
  ASSERT_TRUE(driver_->WaitFor([this] { return PageLabelIs("第 2 页"); }));
  TapControl(1002);
  ASSERT_TRUE(driver_->WaitFor([this] { return PageLabelIs("第 3 页"); }));
  EXPECT_EQ(Rows(), (std::vector<WString>{u"星河片段21\n27:33", u"星河片段22\n星河片段22的介绍\n34:46",
                                          u"星河片段23\n星河片段23的介绍\n41:59"}));
  TapControl(1002);
  ExpectBox(u"已经是最后一页！");
  EXPECT_EQ(CountRequests("/search_video/q_%E6%98%9F%E6%B2%B3_orderby_1_hd_0_page_3"), 1u);
}

TEST_F(YoukuSiteEndToEnd, CatalogueKeywordsGiveEachStatusMessageAndAnEmptyList) {
  LaunchVideo();
  const std::vector<std::pair<WString, WString>> cases = {
      {u"无此节目", u"抱歉,没有找到相关视频"},
      {u"临时故障", u"抱歉,服务器临时维护."},
      {u"不予显示", u"搜索结果可能涉及不符合相关法律法规和政策的内容，未予显示。"},
  };
  OpenSearch();
  for (const auto& [keyword, message] : cases) {
    SetKeyword(keyword);
    TapSearch();
    ExpectBox(message);
    ASSERT_TRUE(driver_->WaitForDialog(u"视频列表")) << ToUtf8(keyword);
    EXPECT_TRUE(Rows().empty()) << ToUtf8(keyword);
    driver_->Key(ui::keys::kEscape);
    ASSERT_TRUE(driver_->WaitForDialog(u"视频搜索"));
  }
  // A page without any marker is a failed search: the search screen stays.
  SetKeyword(u"空白页面");
  TapSearch();
  ExpectBox(u"搜索失败,可能无法连接服务器或搜索超时.");
  EXPECT_EQ(driver_->TopCaption(), u"视频搜索");
}

TEST_F(YoukuSiteEndToEnd, ASeriesOverThreePagesOpensAndAnEpisodePlaysThroughTheParsePage) {
  LaunchVideo();
  Search(u"星河");
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapRow(994, 0);
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  EXPECT_EQ(CountRequests("/show_eplist/showid_z9001"), 3u);
  EXPECT_EQ(CountRequests("/show_eplist/showid_z9002"), 1u);
  const auto texts = PaintedTexts();
  for (const char* name : {"第1集", "第10集", "2010-01-03", "2010-01-17"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), name), texts.end()) << name;
  auto first = TextCenter("第1集");
  ASSERT_TRUE(first);
  driver_->Tap(*first);
  ASSERT_TRUE(driver_->WaitFor([this] { return LaunchLog().find("Tarvo.m3u") != std::string::npos; }));
  EXPECT_EQ(Playlist(), Gbk("#EXTM3U\n#EXTINF:0,sa01 第1段\n" + Base() + "/media/sa01_1.y4m\n#EXTINF:1,sa01 第2段\n" +
                            Base() + "/media/sa01_2.y4m\n"));
}

TEST_F(YoukuSiteEndToEnd, ALoopingEpisodeListShowsEachEpisodeOnce) {
  LaunchVideo();
  Search(u"星河");
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapRow(994, 1);  // the programmes; the second one's pager loops back
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  const auto texts = PaintedTexts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "第1期"), 2);  // 星河夜谈 has one too
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "第6期"), 1);
  EXPECT_EQ(CountRequests("/show_eplist/showid_z9202"), 2u);
}

TEST_F(YoukuSiteEndToEnd, ADetailPlaysItsPartsOnceResolvedAndDownloadsThem) {
  LaunchVideo();
  Search(u"星河");
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapRow(994, 8);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频详情"));
  EXPECT_EQ(PaintedTexts(), (std::vector<std::string>{"标题:星河片段01", "简介:星河片段01的介绍", "片长:07:13"}));
  TapControl(1101);
  ASSERT_TRUE(driver_->WaitFor([this] { return LaunchLog().find("Tarvo.m3u") != std::string::npos; }));
  TapControl(1101);
  driver_->Sync();
  EXPECT_EQ(CountRequests("/parse.php?kw="), 1u);
  EXPECT_EQ(Playlist(), Gbk("#EXTM3U\n#EXTINF:0,星河片段01 第1段\n" + Base() + "/media/xh01_1.y4m\n" +
                            "#EXTINF:1,星河片段01 第2段\n" + Base() + "/media/xh01_2.y4m\n"));
  TapControl(1102);
  ASSERT_TRUE(driver_->WaitForDialog(u"下载管理"));
  EXPECT_EQ(driver_->ListRows(100)->size(), 2u);
}

TEST_F(YoukuSiteEndToEnd, ParsePageNoticesReachTheUser) {
  LaunchVideo();
  Search(u"星河");
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  const std::vector<std::pair<int, WString>> cases = {
      {10, u"提示:该视频地址格式错误"},                      // xh03
      {11, u"提示：解析失败，请确认视频是否被删除、地址是否正确，或稍后重试......"},  // xh04
      {12, u"提示:对不起,两次解析间隔时间太短,请5秒后重试."},  // xh05
      {14, u"解析视频失败,可能服务器繁忙,请稍后重试!"},         // xh07: an empty name
      {15, u"解析视频失败,可能服务器繁忙,请稍后重试!"},         // xh08: no address
  };
  for (const auto& [row, message] : cases) {
    TapRow(994, row);
    ASSERT_TRUE(driver_->WaitForDialog(u"视频详情")) << row;
    TapControl(1101);
    ExpectBox(message);
    driver_->Key(ui::keys::kEscape);
    ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  }
  EXPECT_EQ(LaunchLog().find("Tarvo.m3u"), std::string::npos);
}

class YoukuSiteFaults : public YoukuSiteEndToEnd, public ::testing::WithParamInterface<const char*> {};

TEST_P(YoukuSiteFaults, ASearchBaseBelowTheFaultFailsWithTheSearchMessage) {
  BaseBelowFault("YoukuSearch", GetParam());
  LaunchVideo();
  Search(u"星河");
  ExpectBox(u"搜索失败,可能无法连接服务器或搜索超时.");
  EXPECT_EQ(driver_->TopCaption(), u"视频搜索");
}

TEST_P(YoukuSiteFaults, ASiteBaseBelowTheFaultOpensNoSeries) {
  BaseBelowFault("YoukuSite", GetParam());
  LaunchVideo();
  Search(u"星河");
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapRow(994, 0);
  ExpectBox(u"搜索超时或读取网页数据失败!");
  EXPECT_EQ(driver_->TopCaption(), u"视频列表");
}

TEST_P(YoukuSiteFaults, AParsePageBelowTheFaultPlaysNothing) {
  BaseBelowFault("ParsePage", GetParam());
  LaunchVideo();
  Search(u"星河");
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapRow(994, 8);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频详情"));
  TapControl(1101);
  auto box = driver_->WaitForMessageBox();
  ASSERT_TRUE(box);
  const std::string kind = GetParam();
  // A 404 page carries the parse page's own "404 Not Found" notice.
  // The bytes that came before a reset are the page; they hold no part.
  EXPECT_EQ(ToUtf8(box->text), kind == "status:404" ? "提示:该视频地址格式错误"
                               : kind == "stall"    ? "搜索超时或读取网页数据失败!"
                                                    : "解析视频失败,可能服务器繁忙,请稍后重试!");
  driver_->AnswerMessageBox(ui::kOkCaption);
  EXPECT_EQ(LaunchLog().find("Tarvo.m3u"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Kinds, YoukuSiteFaults, ::testing::Values("stall", "reset:40", "status:404", "garbage"),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (c == ':') c = '_';
                           return name;
                         });

TEST_F(YoukuSiteEndToEnd, AStalledThumbnailNeverHoldsTheWayBack) {
  ASSERT_TRUE(servers_.ArmFault("/img/", "stall"));
  LaunchVideo();
  Search(u"星河");
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  ASSERT_TRUE(servers_.WaitForRequests(2, std::chrono::steady_clock::now() + std::chrono::seconds(2)));
  const auto start = std::chrono::steady_clock::now();
  TapControl(1003);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频搜索"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

class YoukuSiteScreens : public YoukuSiteEndToEnd, public ::testing::WithParamInterface<std::pair<int, int>> {};

// Every screen written to video-screens/site-*-WxH.png for a look.
TEST_P(YoukuSiteScreens, EveryScreenDrawsAtThisSize) {
  const auto [width, height] = GetParam();
  const std::string size = std::to_string(width) + "x" + std::to_string(height);
  LaunchVideo(width, height);
  OpenSearch();
  TypeKeyword(u"星河");
  SaveVideoScreen("site-search-" + size);
  const bool compared = size == "240x320";
  if (compared) {
    EXPECT_TRUE(MatchesReferencePng(driver_->Screenshot(), "video-search-240x320.png"));
  }
  TapSearch();
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  // The worker's last picture renamed: every earlier one was handled before it.
  ASSERT_TRUE(driver_->WaitFor([this] { return ImageFileExists("0.jpg") && ImageFileExists("Normal9.jpg"); }));
  driver_->Sync();
  SaveVideoScreen("site-list-" + size);
  if (compared) {
    EXPECT_TRUE(MatchesReferencePng(driver_->Screenshot(), "video-list-240x320.png"));
  }
  TapRow(994, 0);
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  SaveVideoScreen("site-series-" + size);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapRow(994, 4);  // the TV series with seasons
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  SaveVideoScreen("site-seasons-" + size);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapRow(994, 3);  // the films: features and trailers as single lines
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  SaveVideoScreen("site-films-" + size);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapRow(994, 5);  // variety in two columns
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  SaveVideoScreen("site-variety-" + size);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapRow(994, 8);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频详情"));
  driver_->Sync();
  SaveVideoScreen("site-detail-" + size);
  if (compared) {
    EXPECT_TRUE(MatchesReferencePng(driver_->Screenshot(), "video-detail-240x320.png"));
  }
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
}

INSTANTIATE_TEST_SUITE_P(Sizes, YoukuSiteScreens,
                         ::testing::Values(std::pair{240, 320}, std::pair{480, 800}, std::pair{320, 240}),
                         [](const auto& info) {
                           return std::to_string(info.param.first) + "x" + std::to_string(info.param.second);
                         });

}  // namespace
}  // namespace tarvo::testing
