#include "YoukuFixture.h"

namespace tarvo::testing {
namespace {

class VideoDetail : public YoukuFixture {
 protected:
  void OpenDetail() {
    OpenSearch();
    TypeKeyword(u"abc");
    TapSearch();
    ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
    TapRow(994, 0);
    ASSERT_TRUE(driver_->WaitForDialog(u"视频详情"));
  }
};

TEST_F(VideoDetail, PlayingTwiceAsksTheParsePageOnceAndOpensThePlaylist) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({{"vid1", "第一个", "介绍"}}));
  ServeParse("vid1", "<N>第一段\n<U>http://media.test/1.flv\n<N>第二段\n<C>http://media.test/2.flv\n");
  LaunchVideo();
  OpenDetail();
  EXPECT_EQ(PaintedTexts(), (std::vector<std::string>{"标题:第一个", "简介:介绍", "片长:01:00"}));
  SaveVideoScreen("detail-240x320");
  TapControl(1101);
  driver_->Sync();
  TapControl(1101);
  driver_->Sync();
  EXPECT_EQ(CountRequests("/parse.php?kw=vid1"), 1u);
  const std::string expected = ToCodePage(FromUtf8("#EXTM3U\n#EXTINF:0,第一段\nhttp://media.test/1.flv\n"
                                                   "#EXTINF:1,第二段\nhttp://media.test/2.flv\n"),
                                          "GBK");
  EXPECT_EQ(Playlist(), expected);
  const std::string log = LaunchLog();
  size_t opens = 0;
  for (size_t at = log.find("\topen\t"); at != std::string::npos; at = log.find("\topen\t", at + 1)) ++opens;
  EXPECT_EQ(opens, 2u);
  EXPECT_NE(log.find("Tarvo.m3u"), std::string::npos);
  // "返回" after a play leaves the detail.
  TapControl(1103);
  EXPECT_TRUE(driver_->WaitForDialog(u"视频列表"));
}

TEST_F(VideoDetail, AFailedResolutionSaysWhyAndDownloadsNothing) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({{"vid1", "一", ""}}));
  ServeParse("vid1", "<html>提示：解析失败</html>");
  LaunchVideo();
  OpenDetail();
  EXPECT_EQ(PaintedTexts(), (std::vector<std::string>{"标题:一", "片长:01:00"}));
  TapControl(1102);
  ExpectBox(u"提示：解析失败，请确认视频是否被删除、地址是否正确，或稍后重试......");
  EXPECT_EQ(driver_->TopCaption(), u"视频详情");
}

TEST_F(VideoDetail, DownloadHandsThePairsToTheDownloadManager) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({{"vid1", "一", ""}}));
  ServeParse("vid1", "<N>甲\n<U>http://media.test/a.flv\n");
  LaunchVideo();
  OpenDetail();
  TapControl(1102);
  ASSERT_TRUE(driver_->WaitForDialog(u"下载管理"));
  EXPECT_EQ(driver_->ListRows(100)->size(), 1u);
  EXPECT_EQ(driver_->ListRows(100)->at(0).at(0), u"甲");
}

TEST_F(VideoDetail, APlaylistPathThatIsAFolderIsReported) {
  Serve("/search_video/q_abc_orderby_1_hd_0_page_1", ResultPage({{"vid1", "一", ""}}));
  ServeParse("vid1", "<N>甲\n<U>http://media.test/a.flv\n");
  LaunchVideo();
  std::filesystem::create_directories(dir_.File("phone/fs/Program Files/Tarvo/temp/Tarvo.m3u"));
  OpenDetail();
  TapControl(1101);
  ExpectBox(u"创建Tarvo.m3u文件失败！");
  EXPECT_EQ(LaunchLog().find("Tarvo.m3u"), std::string::npos);
}

}  // namespace
}  // namespace tarvo::testing
