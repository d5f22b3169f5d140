#include "YoukuFixture.h"

namespace tarvo::testing {
namespace {

class VideoList : public YoukuFixture {
 protected:
  void SearchFor(WStringView keyword) {
    OpenSearch();
    TypeKeyword(keyword);
    TapSearch();
    ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  }
  std::vector<WString> Rows() {
    std::vector<WString> rows;
    for (const auto& row : driver_->ListRows(994).value_or(std::vector<std::vector<WString>>{}))
      rows.push_back(row.at(0));
    return rows;
  }
};

TEST_F(VideoList, HeaderRowsComeFirstThenThePlainVideos) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1",
        ResultPage({{"vid1", "第一个", "介绍"}, {"vid2", "第二个", ""}}, SeriesBlock("1001")));
  LaunchVideo();
  SearchFor(u"abc");
  EXPECT_EQ(Rows(), (std::vector<WString>{u"点击查看所有【系列节目】", u"第一个\n介绍\n01:00", u"第二个\n01:00"}));
  EXPECT_EQ(PaintedTexts(), (std::vector<std::string>{"第 1 页"}));
}

TEST_F(VideoList, PagingStopsAtBothEndsAndALaterPageLoads) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({{"vid1", "一", ""}}, "", true));
  Serve("/search_video/q_abc_orderby_1_hd_0_page_2", ResultPage({{"vid3", "三", ""}}));
  LaunchVideo();
  SearchFor(u"abc");
  TapControl(1001);
  ExpectBox(u"已经是第一页！");
  TapControl(1002);
  // The condition runs on the UI thread: it reads the list itself.
  ASSERT_TRUE(driver_->WaitFor([this] {
    auto* list = dynamic_cast<ui::ListView*>(FindDescendant(driver_->GetUi().ActiveWindow(), 994));
    return list && list->ItemCount() == 1 && list->GetItemText(0, 0) == u"三\n01:00";
  }));
  EXPECT_EQ(PaintedTexts(), (std::vector<std::string>{"第 2 页"}));
  TapControl(1002);
  ExpectBox(u"已经是最后一页！");
}

TEST_F(VideoList, AFailedLaterPageKeepsItsNumberAndNoRows) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({{"vid1", "一", ""}}, "", true));
  LaunchVideo();
  SearchFor(u"abc");
  TapControl(1002);
  ExpectBox(u"搜索失败,可能无法连接服务器或搜索超时.");
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(PaintedTexts(), (std::vector<std::string>{"第 2 页"}));
}

TEST_F(VideoList, ThumbnailsArriveUnderTheirRowNames) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1",
        ResultPage({{"vid1", "一", ""}, {"vid2", "二", ""}}, SeriesBlock("1001")));
  ServePicture("/img/series.png", 0xFF0000);
  ServePicture("/img/vid1.png", 0x00FF00);
  ServePicture("/img/vid2.png", 0x0000FF);
  LaunchVideo();
  SearchFor(u"abc");
  ASSERT_TRUE(driver_->WaitFor(
      [this] { return ImageFileExists("0.jpg") && ImageFileExists("Normal0.jpg") && ImageFileExists("Normal1.jpg"); }));
  driver_->Sync();
  SaveVideoScreen("list-240x320");
  // Leaving the list empties the folder.
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频搜索"));
  EXPECT_FALSE(ImageFileExists("Normal0.jpg"));
}

TEST_F(VideoList, AStalledThumbnailDoesNotHoldTheWayBack) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({{"vid1", "一", ""}}));
  ServePicture("/img/vid1.png", 0x00FF00);
  ASSERT_TRUE(servers_.ArmFault("/img/", "stall"));
  LaunchVideo();
  SearchFor(u"abc");
  ASSERT_TRUE(servers_.WaitForRequests(2, std::chrono::steady_clock::now() + std::chrono::seconds(3)));
  const auto start = std::chrono::steady_clock::now();
  TapControl(1003);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频搜索"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_FALSE(ImageFileExists("Normal0.jpg"));
}

}  // namespace
}  // namespace tarvo::testing
