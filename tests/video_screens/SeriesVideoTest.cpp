#include "YoukuFixture.h"
#include "video/screens/SeriesLayout.h"

namespace tarvo::testing {
namespace {
using namespace ::tarvo::video;

class SeriesVideo : public YoukuFixture {
 protected:
  void OpenSeries() {
    OpenSearch();
    TypeKeyword(u"abc");
    TapSearch();
    ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
    TapRow(994, 0);
  }
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
};

TEST_F(SeriesVideo, AnEpisodeListOverThreePagesShowsEveryEpisodeInOrder) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({}, SeriesBlock("1001")));
  Serve("/show_eplist/showid_z1001_type_list.html", EpisodePage({{"e1", "第1集"}, {"e2", "090102"}}, "/p2.html"));
  Serve("/p2.html", EpisodePage({{"e3", "第3集"}}, "/p3.html"));
  Serve("/p3.html", EpisodePage({{"e4", "第4集"}}));
  LaunchVideo();
  OpenSeries();
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  const auto texts = PaintedTexts();
  for (const char* name : {"第1集", "2009-01-02", "第3集", "第4集"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), name), texts.end()) << name;
  SaveVideoScreen("series-240x320");
}

TEST_F(SeriesVideo, AFailedEpisodePageOpensNothingAndIsTriedAgainLater) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({}, SeriesBlock("1001")));
  Serve("/show_eplist/showid_z1001_type_list.html", EpisodePage({{"e1", "第1集"}}, "/p2.html"));
  Serve("/p2.html", EpisodePage({{"e2", "第2集"}}));
  // The second page's connection breaks once, before any byte.
  ASSERT_TRUE(servers_.ArmFault("/p2.html", "reset:0", 1));
  LaunchVideo();
  OpenSeries();
  ExpectBox(u"搜索超时或读取网页数据失败!");
  EXPECT_EQ(driver_->TopCaption(), u"视频列表");
  // The half-completed show was not kept: the next tap fetches again.
  TapRow(994, 0);
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  EXPECT_EQ(CountRequests("/show_eplist/"), 2u);
}

TEST_F(SeriesVideo, ATapPlaysAndATapAndHoldOffersTheDownloadInstead) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({}, SeriesBlock("1001")));
  Serve("/show_eplist/showid_z1001_type_list.html", EpisodePage({{"e1", "第1集"}, {"e2", "第2集"}}));
  ServeParse("e1", "<N>一\n<U>http://media.test/1.flv\n");
  ServeParse("e2", "<N>二\n<U>http://media.test/2.flv\n");
  LaunchVideo();
  OpenSeries();
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  auto second = TextCenter("第2集");
  ASSERT_TRUE(second);
  driver_->TapAndHold(*second);
  ASSERT_TRUE(driver_->PickMenuItem({u"下载"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"下载管理"));
  EXPECT_EQ(driver_->ListRows(100)->at(0).at(0), u"二");
  EXPECT_EQ(LaunchLog().find("Tarvo.m3u"), std::string::npos);
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  auto first = TextCenter("第1集");
  ASSERT_TRUE(first);
  driver_->Tap(*first);
  ASSERT_TRUE(driver_->WaitFor([this] { return LaunchLog().find("Tarvo.m3u") != std::string::npos; }));
  EXPECT_NE(Playlist().find("http://media.test/1.flv"), std::string::npos);
  // Out of full screen for the player, "返回" still sits inside the window.
  TapControl(CVirtualSeriesVideo::kBackId);
  EXPECT_TRUE(driver_->WaitForDialog(u"视频列表"));
}

// The film block of features and trailers: (id, title, status) each.
std::string FilmBlock(const std::string& base, const std::vector<std::array<std::string, 3>>& films) {
  std::string block = "<!--节目-->\n";
  for (const auto& [id, title, status] : films)
    block += "<div class=\"movieResult\"><a title=\"" + title + "\" href=\"" + base + "/v_show/id_" + id +
             ".html\"><img src=\"" + base + "/img/f.png\" /></a><span class=\"status\">" + status + "</span></div>\n";
  return block + "<!--节目结束-->\n";
}

TEST_F(SeriesVideo, AFeatureShowsItsPageTitleWithoutBlanksAndOneWithoutItsVideoIsNoLink) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1",
        ResultPage({}, FilmBlock(Base(), {{"f1", "旧名", "正片"}, {"f2", "没有链接", "预告"}})));
  Serve("/v_show/id_f1.html", "<div class=\"showInfo\"><h1 class=\"title\"> 新 片\t名\r\n</h1></div>"
                              "<div class=\"link\"><a href=\"f1play\">播放</a></div>");
  // A page without the link marker: the trailer gets no video.
  Serve("/v_show/id_f2.html", "<div class=\"showInfo\"><h1 class=\"title\">预告</h1></div>");
  ServeParse("f1play", "<N>正片\n<U>http://media.test/f1.flv\n");
  LaunchVideo();
  OpenSeries();
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  EXPECT_EQ(PaintedTexts(), (std::vector<std::string>{"新片名 (正片)", "没有链接 (预告)"}));
  SaveVideoScreen("series-features-240x320");
  auto blank = TextCenter("没有链接 (预告)");
  ASSERT_TRUE(blank);
  driver_->Tap(*blank);
  driver_->Sync();
  EXPECT_EQ(CountRequests("/parse.php"), 0u);
  auto feature = TextCenter("新片名 (正片)");
  ASSERT_TRUE(feature);
  driver_->Tap(*feature);
  ASSERT_TRUE(driver_->WaitFor([this] { return LaunchLog().find("Tarvo.m3u") != std::string::npos; }));
  EXPECT_EQ(CountRequests("/parse.php?kw=f1play"), 1u);
  EXPECT_EQ(Playlist(), ToCodePage(FromUtf8("#EXTM3U\n#EXTINF:0,正片\nhttp://media.test/f1.flv\n"), "GBK"));
}

TEST(SeriesLayoutRules, ShortContentNeverScrollsAndColumnsStayAtLeastOne) {
  SectionEntry show{u"剧", u"u", u"t", u"", {EpisodeGroup{u"第一季", {VideoRecord{u"一个很长很长很长的名字"}}}}};
  SeriesGeometry geometry{240, 27, 18, [](WStringView text) { return static_cast<int>(text.size()) * 40; }};
  const SeriesLayout layout = LayOutSeries({show}, false, geometry);
  EXPECT_EQ(layout.columns, 1);
  // The title, the group's name, the one episode.
  EXPECT_EQ(layout.contentHeight, 27 * 3);
  SectionEntry empty{u"空", u"u", u"t", u"", {EpisodeGroup{u"无", {}}}};
  const SeriesLayout none = LayOutSeries({empty}, false, geometry);
  EXPECT_EQ(none.cellWidth, 18);
  const SeriesLayout nothing = LayOutSeries({}, false, geometry);
  EXPECT_TRUE(nothing.cells.empty());
}

TEST(SeriesLayoutRules, AFeatureIsOneTappableLineAndWithoutItsVideoNone) {
  SectionEntry feature{u"片子", u"u", u"t", u"正片", {EpisodeGroup{u"片子", {VideoRecord{u"片子", u"", u"v1"}}}}};
  SectionEntry blank{u"预告", u"u", u"t", u"预告", {}};
  SeriesGeometry geometry{240, 27, 18, [](WStringView text) { return static_cast<int>(text.size()) * 18; }};
  const SeriesLayout layout = LayOutSeries({feature, blank}, false, geometry);
  ASSERT_EQ(layout.cells.size(), 2u);
  EXPECT_EQ(layout.cells[0].item, 0);
  EXPECT_EQ(layout.items.at(0).url, u"v1");
  EXPECT_EQ(layout.cells[1].item, -1);
  EXPECT_EQ(layout.contentHeight, 54);
}

}  // namespace
}  // namespace tarvo::testing
