#include "SokuFixture.h"

namespace tarvo::testing {
namespace {
using namespace ::tarvo::video;
using namespace ::tarvo::soku;

class SokuSeriesScreens : public SokuFixture {
 protected:
  SokuSeriesLayout LayoutOfTop() {
    return driver_->Invoke([this] {
      return dynamic_cast<CSokuSeriesVideo*>(driver_->GetUi().ActiveWindow())->Layout();
    });
  }
  void HoldText(const std::string& text) {
    auto at = TextCenter(text);
    ASSERT_TRUE(at) << text;
    driver_->TapAndHold(*at);
  }
};

TEST_F(SokuSeriesScreens, ATvSeriesInPlaceShowsCaptionsFiveWideAndPlays) {
  Launch();
  SearchToList(u"海潮");
  TapRow(994, 0);
  ASSERT_TRUE(WaitForSeries(kSokuTv));
  EXPECT_EQ(driver_->TopCaption(), u"Tarvo");
  const SokuSeriesLayout layout = LayoutOfTop();
  EXPECT_EQ(layout.cellChars, 5);
  const int cw = driver_->Invoke([this] { return app_->Metrics.CharWidth; });
  EXPECT_EQ(layout.cellWidth, 6 * cw);
  EXPECT_EQ(layout.cellsPerRow, std::max(1, (240 - 5 - driver_->Invoke([this] { return app_->Metrics.ScrollBarWidth; })) / (6 * cw)));
  const auto texts = PaintedTexts();
  EXPECT_EQ(texts.at(0), "海潮人家");
  EXPECT_EQ(texts.at(1), "第1集");
  // No entry page was fetched: the items came in place.
  EXPECT_EQ(CountRequests("/soku/entry/"), 0u);
  SaveSokuScreen("series-tv-240x320");
  EXPECT_TRUE(MatchesReferencePng(driver_->Screenshot(), "soku-series-240x320.png"));
  TapText("第4集");  // a script link with the address inside
  ASSERT_TRUE(WaitForPlay());
  EXPECT_EQ(Playlist(), PlaylistOf("ht04"));
  EXPECT_EQ(CountRequests("/parse.php?kw=" + Base() + "/v_show/id_ht04.html"), 1u);
  // A link without "http" is refused before any request.
  TapText("第12集");
  ExpectBox(u"提示:视频地址错误.", ui::kOkCaption, u"Tarvo");
  EXPECT_EQ(CountRequests("/parse.php"), 1u);
}

TEST_F(SokuSeriesScreens, AHoldOffersTheDownloadAndItsReleaseNeverPlays) {
  Launch();
  SearchToList(u"海潮");
  TapRow(994, 0);
  ASSERT_TRUE(WaitForSeries(kSokuTv));
  HoldText("第2集");
  ASSERT_TRUE(driver_->PickMenuItem({u"下载"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"下载管理"));
  EXPECT_EQ(driver_->ListRows(100)->at(0).at(0), u"ht02 第1段");
  EXPECT_EQ(LaunchLog().find("Tarvo.m3u"), std::string::npos);
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(WaitForSeries(kSokuTv));
  // On no cell: nothing selected.
  auto empty = driver_->Invoke([this] {
    ui::Window* top = driver_->GetUi().ActiveWindow();
    return top->ToScreen(ui::Point{2, top->ClientRect().bottom - 60});
  });
  driver_->TapAndHold(empty);
  ASSERT_TRUE(driver_->PickMenuItem({u"下载"}));
  ExpectBox(u"请选中一个再下载！");
  EXPECT_EQ(LaunchLog().find("Tarvo.m3u"), std::string::npos);
}

TEST_F(SokuSeriesScreens, ACartoonEntryPageIsFetchedOnceAndItsLongCaptionCut) {
  Launch();
  SearchToList(u"海潮");
  TapRow(994, 1);
  ASSERT_TRUE(WaitForSeries(kSokuCartoon));
  const auto texts = PaintedTexts();
  EXPECT_EQ(texts.at(0), "小海潮");
  EXPECT_EQ(texts.at(1), "第一部");
  EXPECT_EQ(texts.at(2), "特别篇上..");  // six characters in a five-wide cell
  TapControl(CVirtualSeriesVideo::kBackId);
  ASSERT_TRUE(WaitForScreen<CSokuVideo>());
  TapRow(994, 1);
  ASSERT_TRUE(WaitForSeries(kSokuCartoon));
  EXPECT_EQ(CountRequests("/soku/entry/ca01.html"), 1u);
}

TEST_F(SokuSeriesScreens, FilmsAreNineWideAndAFailedEntryPageOpensNothing) {
  ASSERT_TRUE(servers_.ArmFault("/soku/entry/fm12.html", "reset:0", 1));
  Launch();
  SearchToList(u"海潮");
  TapRow(994, 2);
  ExpectBox(u"搜索超时或读取网页数据失败!", ui::kOkCaption, u"Tarvo");
  EXPECT_TRUE(Top<CSokuVideo>());
  // Nothing half filled was kept: the next tap fetches both pages again.
  TapRow(994, 2);
  ASSERT_TRUE(WaitForSeries(kSokuMovie));
  EXPECT_EQ(CountRequests("/soku/entry/fm11.html"), 2u);
  EXPECT_EQ(LayoutOfTop().cellChars, 9);
  const auto texts = PaintedTexts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "海潮之夜正片"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "海潮之夜续集"), texts.end());
}

TEST_F(SokuSeriesScreens, AnEntryPageWithABodyButNoSectionIsSkipped) {
  ASSERT_TRUE(servers_.ArmFault("/soku/entry/vz01.html", "status:500", 1));
  Launch();
  SearchToList(u"海潮");
  TapRow(994, 3);
  ASSERT_TRUE(WaitForSeries(kSokuVariety));
  EXPECT_EQ(PaintedTexts(), (std::vector<std::string>{"海潮周末"}));
}

TEST_F(SokuSeriesScreens, APersonsTvSeriesNestsIntoItsSeriesPage) {
  Launch();
  SearchToList(u"林远");
  EXPECT_EQ(Rows().at(0), "点击查看所有【电视剧】\n山城往事");
  TapRow(994, 0);
  ASSERT_TRUE(WaitForSeries(kSokuTv | kSokuPerson));
  EXPECT_EQ(LayoutOfTop().cellChars, 9);
  SaveSokuScreen("series-person-240x320");
  TapText("山城往事", 1);  // the cell, below the title line
  ASSERT_TRUE(WaitForSeries(0));
  EXPECT_EQ(CountRequests("/soku/series/ps01.html"), 1u);
  EXPECT_EQ(LayoutOfTop().cellChars, 5);
  const auto texts = PaintedTexts();
  EXPECT_EQ(texts.at(0), "林远山城往事");
  EXPECT_EQ(texts.at(1), "1-3集");
  TapText("第2集");
  ASSERT_TRUE(WaitForPlay());
  EXPECT_EQ(Playlist(), PlaylistOf("sc02"));
  TapControl(CVirtualSeriesVideo::kBackId);
  ASSERT_TRUE(WaitForSeries(kSokuTv | kSokuPerson));
  // A hold on a person's works is a plain tap: no menu, the page opens.
  ASSERT_TRUE(servers_.ArmFault("/soku/series/ps02.html", "stall", 1));
  TapText("河岸人家", 0);
  ExpectBox(u"搜索超时或读取网页数据失败!", ui::kOkCaption, u"Tarvo");
  EXPECT_TRUE(WaitForSeries(kSokuTv | kSokuPerson));
}

TEST_F(SokuSeriesScreens, APersonsVarietyFollowsItsGuideIntoLabelledSeries) {
  Launch(480, 800);
  SearchToList(u"林远");
  TapRow(994, 1);
  ASSERT_TRUE(WaitForSeries(kSokuVariety | kSokuPerson));
  EXPECT_EQ(CountRequests("/soku/entry/pv01.html"), 1u);
  TapText("林远周末秀第1期");
  ASSERT_TRUE(WaitForSeries(0));
  EXPECT_EQ(CountRequests("/soku/guide/g01.html"), 1u);
  EXPECT_EQ(CountRequests("/soku/series/vs01.html"), 1u);
  EXPECT_EQ(CountRequests("/soku/series/vs02.html"), 1u);
  SaveSokuScreen("series-variety-480x800");
  const SokuSeriesLayout layout = LayoutOfTop();
  EXPECT_EQ(layout.cellChars, 9);
  // The first group has no label: its cells start on the label's line.
  ASSERT_GE(layout.cells.size(), 2u);
  EXPECT_EQ(layout.cells[0].text, u"周末秀春季");
  EXPECT_EQ(layout.cells[1].text, u"周末秀春季春季第..");  // ten characters in a nine-wide cell
  EXPECT_EQ(layout.cells[1].rect.top, layout.cells[0].rect.bottom);
  const auto texts = PaintedTexts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "加更"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "周末秀夏季"), texts.end());
  HoldText("周末秀春季春季第..");
  ASSERT_TRUE(driver_->PickMenuItem({u"下载"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"下载管理"));
  EXPECT_EQ(driver_->ListRows(100)->at(0).at(0), u"wk01 第1段");
}

TEST_F(SokuSeriesScreens, GuideAndSeriesFaultsSayWhyAndOpenNothing) {
  Launch();
  SearchToList(u"林远");
  TapRow(994, 1);
  ASSERT_TRUE(WaitForSeries(kSokuVariety | kSokuPerson));
  ASSERT_TRUE(servers_.ArmFault("/soku/guide/g02.html", "reset:0", 1));
  TapText("林远周末秀第2期");
  ExpectBox(u"搜索超时或读取网页数据失败!", ui::kOkCaption, u"Tarvo");
  ExpectBox(u"获取综艺列表失败!请稍后重试.", ui::kOkCaption, u"Tarvo");
  EXPECT_TRUE(WaitForSeries(kSokuVariety | kSokuPerson));
  ASSERT_TRUE(servers_.ArmFault("/soku/series/vs03.html", "status:404", 1));
  TapText("林远周末秀第2期");
  ExpectBox(u"搜索超时或读取网页数据失败!", ui::kOkCaption, u"Tarvo");
  EXPECT_TRUE(WaitForSeries(kSokuVariety | kSokuPerson));
  // A guide page that is no guide page: only the failure.
  ASSERT_TRUE(servers_.ArmFault("/soku/guide/g01.html", "status:404", 1));
  TapText("林远周末秀第1期");
  ExpectBox(u"获取综艺列表失败!请稍后重试.");
  EXPECT_TRUE(WaitForSeries(kSokuVariety | kSokuPerson));
}

TEST_F(SokuSeriesScreens, ARotationLaysTheGridOutAgain) {
  Launch(240, 320);
  SearchToList(u"海潮");
  TapRow(994, 0);
  ASSERT_TRUE(WaitForSeries(kSokuTv));
  const int before = LayoutOfTop().cellsPerRow;
  driver_->GetUi().PostTask([this] { driver_->GetUi().ActiveWindow()->OnCommand(CVirtualDialog::kRotateId, 0); });
  ASSERT_TRUE(driver_->WaitFor([&] { return SeriesHere() && SeriesHere()->Layout().cellsPerRow != before; }));
  SaveSokuScreen("series-tv-turned");
}

}  // namespace
}  // namespace tarvo::testing
