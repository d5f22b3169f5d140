// Walks through the Youku screens as a user against the stand-in site's
// catalogue: "高清" alone, the keyword records and a stored keyword, the
// shortcuts, the raised input panel, the film and variety sections, and the
// detail screen waiting for its picture.
#include <chrono>

#include "YoukuFixture.h"
#include "platform/ui/ComboBox.h"
#include "tools/KeywordRecords.h"
#include "tools/screens/CKeyManager.h"
#include "video/screens/CVirtualSeriesVideo.h"
#include "video/screens/CVirtualVideoDetail.h"

namespace tarvo::testing {
namespace {
using namespace ::tarvo::video;

class YoukuWalk : public YoukuFixture {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  std::vector<WString> Rows() {
    std::vector<WString> rows;
    for (const auto& row : driver_->ListRows(994).value_or(std::vector<std::vector<WString>>{}))
      rows.push_back(row.at(0));
    return rows;
  }
  std::vector<WString> KeywordItems() {
    return driver_->Invoke([this] {
      auto* keyword = dynamic_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), 1201));
      std::vector<WString> texts;
      for (int i = 0; keyword && i < keyword->GetCount(); ++i) texts.push_back(keyword->GetLBText(i));
      return texts;
    });
  }
  std::string RecordFile() { return PhoneFile("Program Files/Tarvo/temp/TarvoSearchRecord.txt"); }
  std::vector<WString> StoredRecords() {
    return driver_->Invoke([this] {
      std::vector<WString> list;
      LoadKeywordRecords(app_->GetDevice().Files(), app_->SearchRecordPath, list, "GBK");
      return list;
    });
  }
  std::optional<ui::PaintedText> Painted(const std::string& text) {
    return driver_->Invoke([this, text]() -> std::optional<ui::PaintedText> {
      std::vector<ui::PaintedText> painted;
      ui::Window* top = driver_->GetUi().ActiveWindow();
      top->DescribePainted(painted);
      for (auto& p : painted)
        if (ToUtf8(p.text) == text) {
          const ui::Point a = top->ToScreen(ui::Point{p.rect.left, p.rect.top});
          const ui::Point b = top->ToScreen(ui::Point{p.rect.right, p.rect.bottom});
          return ui::PaintedText{p.text, ui::Rect{a.x, a.y, b.x, b.y}};
        }
      return std::nullopt;
    });
  }
  ui::Point Center(const ui::Rect& r) { return ui::Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
  void SearchFor(WStringView keyword) {
    OpenSearch();
    TypeKeyword(keyword);
    TapSearch();
    ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  }
  size_t Opens() {
    const std::string log = LaunchLog();
    size_t opens = 0;
    for (size_t at = log.find("\topen\t"); at != std::string::npos; at = log.find("\topen\t", at + 1)) ++opens;
    return opens;
  }
  std::string Gbk(const std::string& utf8) { return ToCodePage(FromUtf8(utf8), "GBK"); }
};

TEST_F(YoukuWalk, HdAloneAsksForHdAndListsOnlyTheHdVideosOnEveryPage) {
  LaunchVideo();
  OpenSearch();
  TypeKeyword(u"星河");
  TapControl(1204);
  TapSearch();
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  EXPECT_EQ(CountRequests("/search_video/q_%E6%98%9F%E6%B2%B3_orderby_1_hd_1_page_1"), 1u);
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 18u);
  // The odd-numbered clips are the HD ones.
  EXPECT_EQ(ToUtf8(rows[8]), "星河片段01\n星河片段01的介绍\n07:13");
  EXPECT_EQ(ToUtf8(rows[9]), "星河片段03\n21:39");
  EXPECT_EQ(ToUtf8(rows[17]).substr(0, 14), "星河片段19");
  TapControl(1002);
  ASSERT_TRUE(driver_->WaitFor([this] {
    auto* list = dynamic_cast<ui::ListView*>(FindDescendant(driver_->GetUi().ActiveWindow(), 994));
    return list && list->ItemCount() == 2;
  }));
  EXPECT_EQ(CountRequests("/search_video/q_%E6%98%9F%E6%B2%B3_orderby_1_hd_1_page_2"), 1u);
  EXPECT_EQ(Rows(), (std::vector<WString>{u"星河片段21\n27:33", u"星河片段23\n星河片段23的介绍\n41:59"}));
  TapControl(1002);
  ExpectBox(u"已经是最后一页！");
}

TEST_F(YoukuWalk, TheRecordsScreenDeletesAKeywordAndAStoredOneSearchesWithoutBeingStoredAgain) {
  LaunchVideo();
  OpenSearch();
  EXPECT_EQ(KeywordItems(), (std::vector<WString>{u"星河", u"海风"}));
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"搜索记录"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"关键词管理"));
  EXPECT_EQ(driver_->ListRows(CKeyManager::kListId)->size(), 2u);
  TapRow(CKeyManager::kListId, 0);
  TapControl(CKeyManager::kDeleteId);
  driver_->Sync();
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitForDialog(u"视频搜索"));
  // The combo holds what is left; the file too.
  EXPECT_EQ(KeywordItems(), (std::vector<WString>{u"海风"}));
  EXPECT_EQ(StoredRecords(), (std::vector<WString>{u"海风"}));
  const std::string before = RecordFile();
  driver_->Invoke([this] {
    dynamic_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), 1201))->SetCurSel(0);
  });
  TapSearch();
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  EXPECT_EQ(CountRequests("/search_video/q_%E6%B5%B7%E9%A3%8E_orderby_1_hd_0_page_1"), 1u);
  EXPECT_EQ(Rows(), (std::vector<WString>{u"海风短片01\n海风短片01的介绍\n07:13", u"海风短片02\n海风短片02的介绍\n14:26",
                                          u"海风短片03\n21:39"}));
  EXPECT_EQ(RecordFile(), before);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频搜索"));
  // The deleted keyword entered again is stored again.
  driver_->Invoke([this] {
    dynamic_cast<ui::ComboBox*>(FindDescendant(driver_->GetUi().ActiveWindow(), 1201))->SetEditText(u"星河");
  });
  TapSearch();
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  EXPECT_EQ(StoredRecords(), (std::vector<WString>{u"海风", u"星河"}));
}

TEST_F(YoukuWalk, TheShortcutIsMadeAndDeletedFromTheMenuOnceEach) {
  LaunchVideo();
  OpenSearch();
  const std::string shortcut = "phone/fs/Windows/“开始”菜单/程序/Tarvo.lnk";
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"快捷方式", u"生成快捷方式"}));
  ExpectBox(u"成功生成快捷方式！", ui::kOkCaption, u"Tarvo");
  EXPECT_EQ(dir_.Read(shortcut), "\"\\Program Files\\Tarvo\\Tarvo.exe\"");
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"快捷方式", u"生成快捷方式"}));
  ExpectBox(u"已经有快捷方式了。", ui::kOkCaption, u"Tarvo");
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"快捷方式", u"删除快捷方式"}));
  ExpectBox(u"删除成功！", ui::kOkCaption, u"Tarvo");
  EXPECT_FALSE(std::filesystem::exists(dir_.File(shortcut)));
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"快捷方式", u"删除快捷方式"}));
  ExpectBox(u"无效操作，未找到快捷方式！", ui::kOkCaption, u"Tarvo");
  EXPECT_EQ(driver_->TopCaption(), u"视频搜索");
}

TEST_F(YoukuWalk, TheRaisedInputPanelCoversNoControlAndTheSearchStillGoes) {
  LaunchVideo();
  OpenSearch();
  TypeKeyword(u"海风");
  driver_->Invoke([this] { driver_->GetUi().ShowInputPanel(true); });
  driver_->Sync();
  const auto [panelTop, bottoms] = driver_->Invoke([this] {
    ui::Window* top = driver_->GetUi().ActiveWindow();
    const int panel = driver_->GetUi().Frame().InputPanelRect(top).top;
    std::vector<std::pair<int, int>> bottoms;
    for (int id = 1201; id <= 1206; ++id) bottoms.emplace_back(id, FindDescendant(top, id)->ScreenRect().bottom);
    return std::pair{panel, bottoms};
  });
  ASSERT_LT(panelTop, 320);
  for (const auto& [id, bottom] : bottoms) EXPECT_LE(bottom, panelTop) << "control " << id;
  SaveVideoScreen("search-panel-240x320");
  TapSearch();
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  EXPECT_EQ(Rows().size(), 3u);
}

TEST_F(YoukuWalk, FilmsShowTheirFeatureTitlesWithoutBlanksAndATapPlaysTheFeature) {
  LaunchVideo();
  SearchFor(u"星河");
  TapRow(994, 3);  // 【电影】
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  // The person's film is an episode list; the feature and trailer single pages.
  EXPECT_EQ(CountRequests("/show_eplist/showid_z9102_type_list.html"), 1u);
  EXPECT_EQ(CountRequests("/v_show/id_fm01.html"), 1u);
  EXPECT_EQ(CountRequests("/v_show/id_fm02.html"), 1u);
  const auto texts = PaintedTexts();
  // A feature or trailer is one line with its status.
  for (const char* name : {"星河远航", "正片", "星河远征 (正片)", "星河远征预告 (预告)"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), name), texts.end()) << name;
  EXPECT_EQ(texts.size(), 4u);
  SaveVideoScreen("series-films-240x320");
  auto feature = Painted("星河远征 (正片)");
  ASSERT_TRUE(feature);
  driver_->Tap(Center(feature->rect));
  ASSERT_TRUE(driver_->WaitFor([this] { return LaunchLog().find("Tarvo.m3u") != std::string::npos; }));
  EXPECT_EQ(Playlist(), Gbk("#EXTM3U\n#EXTINF:0,星 河 远 征 第1段\n" + Base() + "/media/fm01_1.y4m\n" +
                            "#EXTINF:1,星 河 远 征 第2段\n" + Base() + "/media/fm01_2.y4m\n"));
  EXPECT_EQ(Opens(), 1u);
  // Opened again, the completed section needs no more fetches.
  TapControl(CVirtualSeriesVideo::kBackId);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
  TapRow(994, 3);
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  EXPECT_EQ(CountRequests("/v_show/"), 2u);
}

TEST_F(YoukuWalk, VarietyLaysItsEpisodesInTwoColumnsAndATapPlaysOne) {
  LaunchVideo();
  SearchFor(u"星河");
  TapRow(994, 5);  // 【综艺】
  ASSERT_TRUE(driver_->WaitForDialog(u"节目列表"));
  // Variety is shown as the page gave it: no fetch.
  EXPECT_EQ(CountRequests("/show_eplist/"), 0u);
  auto first = Painted("101002");
  auto second = Painted("101009");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->rect.top, second->rect.top);
  // Two columns of (240 - 40) / 2.
  EXPECT_EQ(second->rect.left - first->rect.left, 100);
  EXPECT_TRUE(Painted("星河周末秀"));
  EXPECT_TRUE(Painted("星河夜话"));
  SaveVideoScreen("series-variety-240x320");
  driver_->Tap(Center(second->rect));
  ASSERT_TRUE(driver_->WaitFor([this] { return LaunchLog().find("Tarvo.m3u") != std::string::npos; }));
  EXPECT_NE(Playlist().find(Base() + "/media/va02_1.y4m\n"), std::string::npos);
  EXPECT_EQ(CountRequests("/parse.php?kw=" + Base() + "/v_show/id_va02.html"), 1u);
}

class YoukuDetailWait : public YoukuWalk {
 protected:
  // Fetches wait long enough for the detail to open while a picture stalls.
  void SetUp() override {
    YoukuWalk::SetUp();
    fetchTimeoutMs_ = 2000;
  }
  CVirtualVideoDetail* Detail() { return dynamic_cast<CVirtualVideoDetail*>(driver_->GetUi().ActiveWindow()); }
};

TEST_F(YoukuDetailWait, ADetailOpenedBeforeItsPictureCameShowsItOnTheTimerOnce) {
  // The worker is held at the first plain video's picture.
  ASSERT_TRUE(servers_.ArmFault("/img/v/xh01.jpg", "stall", 1));
  LaunchVideo();
  SearchFor(u"星河");
  ASSERT_TRUE(driver_->WaitFor([this] {
    for (const auto& target : RequestTargets())
      if (target == "/img/v/xh01.jpg") return true;
    return false;
  }));
  TapRow(994, 9);  // xh02, whose picture comes after the stalled one
  ASSERT_TRUE(driver_->WaitForDialog(u"视频详情"));
  EXPECT_TRUE(driver_->Invoke([this] {
    return Detail() && !Detail()->HasPicture() &&
           driver_->GetUi().HasTimer(Detail(), CVirtualVideoDetail::kThumbnailTimer);
  }));
  // A tick before the picture came changes nothing.
  driver_->AdvanceTime(500);
  EXPECT_TRUE(driver_->Invoke([this] { return Detail() && !Detail()->HasPicture(); }));
  EXPECT_FALSE(ImageFileExists("Normal0.jpg"));
  ASSERT_TRUE(driver_->WaitFor([this] { return ImageFileExists("Normal1.jpg"); }, std::chrono::seconds(10)));
  driver_->AdvanceTime(500);
  EXPECT_TRUE(driver_->Invoke([this] {
    return Detail() && Detail()->HasPicture() &&
           !driver_->GetUi().HasTimer(Detail(), CVirtualVideoDetail::kThumbnailTimer);
  }));
  EXPECT_EQ(PaintedTexts(), (std::vector<std::string>{"标题:星河片段02", "简介:星河片段02的介绍", "片长:14:26"}));
  // The picture is drawn 120 x 120, centred, 10 pixels from the top.
  const ui::Canvas shown = driver_->Screenshot();
  EXPECT_NE(shown.ColorAt(120, 70) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(shown.ColorAt(50, 70) & 0xFFFFFF, 0xFFFFFFu);
  SaveVideoScreen("detail-picture-240x320");
  TapControl(CVirtualVideoDetail::kBackId);
  ASSERT_TRUE(driver_->WaitForDialog(u"视频列表"));
}

}  // namespace
}  // namespace tarvo::testing
