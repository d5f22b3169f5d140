#include "YoukuFixture.h"
#include "platform/ui/ComboBox.h"
#include "tools/KeywordRecords.h"
#include "video/screens/CVideo.h"

namespace tarvo::testing {
namespace {

using YoukuSearch = YoukuFixture;

TEST_F(YoukuSearch, AnEmptyKeywordIsRefusedWithoutARequest) {
  LaunchVideo();
  OpenSearch();
  TapSearch();
  ExpectBox(u"请输入需要搜索的内容！", ui::kOkCaption, u"Tarvo");
  EXPECT_EQ(CountRequests("/search_video/"), 0u);
  EXPECT_EQ(driver_->TopCaption(), u"视频搜索");
}

TEST_F(YoukuSearch, OrderingAndHdGoIntoThePathAndTheListOpens) {
  Serve("/search_video/q_abc_orderby_4_hd_1_page_1", ResultPage({{"vid1", "第一个", "介绍"}}));
  LaunchVideo();
  OpenSearch();
  TypeKeyword(u"abc");
  driver_->Invoke([this] {
    auto* order = dynamic_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), 1203));
    order->SetCurSel(3);
  });
  TapControl(1204);
  TapSearch();
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  EXPECT_EQ(CountRequests("/search_video/q_%61%62%63_orderby_4_hd_1_page_1"), 1u);
  auto rows = driver_->ListRows(994);
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 1u);
  EXPECT_EQ(rows->at(0).at(0), u"第一个\n介绍\n01:00");
}

TEST_F(YoukuSearch, EveryOrderingGoesIntoThePath) {
  for (int order = 1; order <= 5; ++order)
    Serve("/search_video/q_abc_orderby_" + std::to_string(order) + "_hd_0_page_1", ResultPage({{"v", "一", ""}}));
  LaunchVideo();
  OpenSearch();
  TypeKeyword(u"abc");
  for (int index = 0; index < 5; ++index) {
    driver_->Invoke([this, index] {
      dynamic_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), 1203))->SetCurSel(index);
    });
    TapSearch();
    ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
    driver_->Key(ui::keys::kEscape);
    ASSERT_TRUE(driver_->WaitForDialog(u"视频搜索"));
  }
  std::vector<std::string> searches;
  for (const auto& target : RequestTargets())
    if (target.rfind("/search_video/", 0) == 0) searches.push_back(target);
  EXPECT_EQ(searches, (std::vector<std::string>{"/search_video/q_%61%62%63_orderby_1_hd_0_page_1",
                                                        "/search_video/q_%61%62%63_orderby_2_hd_0_page_1",
                                                        "/search_video/q_%61%62%63_orderby_3_hd_0_page_1",
                                                        "/search_video/q_%61%62%63_orderby_4_hd_0_page_1",
                                                        "/search_video/q_%61%62%63_orderby_5_hd_0_page_1"}));
}

TEST_F(YoukuSearch, ANewDeviceOffersTheSampleKeywordsAndAStoredOneIsNotStoredAgain) {
  // The stand-in finds its files by the decoded path.
  Serve("/search_video/q_星河_orderby_1_hd_0_page_1", ResultPage({{"v", "一", ""}}));
  LaunchVideo();
  OpenSearch();
  const auto items = driver_->Invoke([this] {
    auto* keyword = dynamic_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), 1201));
    std::vector<WString> texts;
    for (int i = 0; i < keyword->GetCount(); ++i) texts.push_back(keyword->GetLBText(i));
    keyword->SetCurSel(0);
    return texts;
  });
  EXPECT_EQ(items, (std::vector<WString>{u"星河", u"海风"}));
  const std::string before = PhoneFile("Program Files/Tarvo/temp/TarvoSearchRecord.txt");
  TapSearch();
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  EXPECT_EQ(CountRequests("/search_video/q_%E6%98%9F%E6%B2%B3_orderby_1_hd_0_page_1"), 1u);
  EXPECT_EQ(PhoneFile("Program Files/Tarvo/temp/TarvoSearchRecord.txt"), before);
}

TEST_F(YoukuSearch, ANewKeywordIsStoredOnceWhateverItsCase) {
  Serve("/search_video/q_Abc_orderby_1_hd_0_page_1", "<!--无结果-->");
  Serve("/search_video/q_ABC_orderby_1_hd_0_page_1", "<!--无结果-->");
  LaunchVideo();
  OpenSearch();
  TypeKeyword(u"Abc");
  TapSearch();
  ExpectBox(u"抱歉,没有找到相关视频");
  // Nothing found still opens the list, empty: no earlier search shows.
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  EXPECT_EQ(driver_->ListRows(994)->size(), 0u);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频搜索"));
  driver_->Invoke([this] {
    auto* keyword = dynamic_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), 1201));
    keyword->SetEditText(u"ABC");
  });
  TapSearch();
  ExpectBox(u"抱歉,没有找到相关视频");
  std::vector<WString> stored;
  driver_->Invoke([&] { LoadKeywordRecords(app_->GetDevice().Files(), app_->SearchRecordPath, stored, "GBK"); });
  EXPECT_EQ(std::count(stored.begin(), stored.end(), u"Abc"), 1);
  EXPECT_EQ(std::count(stored.begin(), stored.end(), u"ABC"), 0);
}

TEST_F(YoukuSearch, TheMenuHoldsTheOptionsAndAboutNamesTheVersion) {
  LaunchVideo();
  OpenSearch();
  EXPECT_EQ(driver_->SoftKeys(), (std::vector<WString>{u"选项", u"选项/搜索记录", u"选项/快捷方式",
                                                        u"选项/横竖屏切换", u"选项/关于Tarvo"}));
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"关于Tarvo"}));
  ExpectBox(u"Tarvo 版本：V1.15", ui::kOkCaption, u"Tarvo");
  // The top bar's ok is the way back to the launcher.
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
}

TEST_F(YoukuSearch, AFailedFetchSaysSoAndOpensNothing) {
  LaunchVideo();
  OpenSearch();
  TypeKeyword(u"zz");
  TapSearch();
  ExpectBox(u"搜索失败,可能无法连接服务器或搜索超时.");
  EXPECT_EQ(driver_->TopCaption(), u"视频搜索");
}

TEST_F(YoukuSearch, RotationLaysTheScreenOutForTheNewWidth) {
  LaunchVideo();
  OpenSearch();
  driver_->GetUi().PostTask([this] { driver_->GetUi().Rotate(); });
  ASSERT_TRUE(driver_->WaitFor([this] { return app_->Metrics.ScreenWidth == 320; }));
  auto width = driver_->Invoke([this] {
    return FindDescendant(driver_->GetUi().ActiveWindow(), 1201)->WindowRect().Width();
  });
  EXPECT_GT(width, 240);
  SaveVideoScreen("search-320x240");
}

}  // namespace
}  // namespace tarvo::testing
