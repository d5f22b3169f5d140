#include "launcher/controls/RowStyle.h"
#include "settings/SettingsFixture.h"
#include "tools/KeywordRecords.h"
#include "tools/screens/CDownloadManager.h"
#include "tools/screens/CKeyManager.h"
#include "tools/screens/CTarvoProgress.h"

namespace tarvo::testing {
namespace {

class KeyManager : public SettingsFixture {
 protected:
  void WriteRecords(const std::vector<WString>& keywords) {
    driver_->Invoke([&] {
      SaveKeywordRecords(app_->GetDevice().Files(), app_->SearchRecordPath, keywords, "GBK");
      app_->Keywords.clear();
    });
  }
  void Open() {
    // Opened from a tool screen, which has left full screen.
    driver_->GetUi().PostTask([this] {
      ui::EnterFullScreen(*launcher_, false);
      ManageKeywords(*app_);
    });
    ASSERT_TRUE(driver_->WaitForDialog(u"关键词管理"));
  }
  std::vector<WString> Rows() {
    std::vector<WString> rows;
    for (const auto& row : driver_->ListRows(CKeyManager::kListId).value_or(std::vector<std::vector<WString>>{}))
      rows.push_back(row.at(0));
    return rows;
  }
  int Selected() {
    return driver_->Invoke([this] {
      auto* manager = dynamic_cast<CKeyManager*>(driver_->GetUi().ActiveWindow());
      return manager ? manager->Selected() : -99;
    });
  }
  std::vector<WString> Stored() {
    return driver_->Invoke([this] {
      std::vector<WString> list;
      LoadKeywordRecords(app_->GetDevice().Files(), app_->SearchRecordPath, list, "GBK");
      return list;
    });
  }
};

TEST_F(KeyManager, DeletingSelectsTheRowInTheSamePlaceOrTheNewLastRow) {
  Launch();
  WriteRecords({u"周杰伦", u"新闻", u"天气", u"足球"});
  Open();
  EXPECT_EQ(Rows(), (std::vector<WString>{u"周杰伦", u"新闻", u"天气", u"足球"}));
  TapControl(CKeyManager::kDeleteId);
  ExpectBox(u"请选择一项再删除!", ui::kOkCaption, u"提示");
  TapRow(CKeyManager::kListId, 1);
  TapControl(CKeyManager::kDeleteId);
  driver_->Sync();
  EXPECT_EQ(Rows(), (std::vector<WString>{u"周杰伦", u"天气", u"足球"}));
  EXPECT_EQ(Selected(), 1);
  TapRow(CKeyManager::kListId, 2);
  TapControl(CKeyManager::kDeleteId);
  driver_->Sync();
  EXPECT_EQ(Rows(), (std::vector<WString>{u"周杰伦", u"天气"}));
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(driver_->Invoke([this] { return app_->Keywords; }), Rows());
  // Closing writes the shorter list back, so the deleted keywords stay gone.
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  EXPECT_EQ(Stored(), (std::vector<WString>{u"周杰伦", u"天气"}));
}

TEST_F(KeyManager, ClearingAsksAndEmptiesTheList) {
  Launch();
  WriteRecords({u"a", u"b"});
  Open();
  TapRow(CKeyManager::kListId, 0);
  TapControl(CKeyManager::kClearId);
  ExpectBox(u"确定要删除所有搜索记录吗？", ui::kNoCaption, u"提示");
  EXPECT_EQ(Rows().size(), 2u);
  TapControl(CKeyManager::kClearId);
  ExpectBox(u"确定要删除所有搜索记录吗？", ui::kYesCaption);
  EXPECT_TRUE(Rows().empty());
  EXPECT_EQ(Selected(), -1);
  TapControl(CKeyManager::kClearId);  // nothing left: no question
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox().has_value());
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  EXPECT_TRUE(Stored().empty());
}

TEST_F(KeyManager, AnUntouchedListLeavesTheFileAsItWas) {
  Launch();
  WriteRecords({u"a"});
  driver_->Invoke([this] {
    app_->GetDevice().Files().Append(app_->SearchRecordPath, "\r\n\r\nb");  // an empty record in between
  });
  const std::string before = PhoneFile("Program Files/Tarvo/temp/TarvoSearchRecord.txt");
  Open();
  EXPECT_EQ(Rows(), (std::vector<WString>{u"a", u"b"}));
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  EXPECT_EQ(PhoneFile("Program Files/Tarvo/temp/TarvoSearchRecord.txt"), before);
}

TEST_F(KeyManager, ALongKeywordIsCutWithTwoDots) {
  Launch();
  WriteRecords({u"一个非常非常非常非常非常非常长的搜索关键词"});
  Open();
  SaveScreen("keywords-240x320");
  const auto cut = driver_->Invoke([this] {
    const ui::Font& font = driver_->GetUi().NormalFont();
    return std::pair{CutWithDots(font, u"一个非常非常非常非常非常非常长的搜索关键词", 100), font.TextWidth(u"一个非..")};
  });
  EXPECT_EQ(cut.first.substr(cut.first.size() - 2), u"..");
  EXPECT_LT(cut.first.size(), 22u);
  EXPECT_TRUE(driver_->Invoke([this, cut] {
    return driver_->GetUi().NormalFont().TextWidth(cut.first) <= 100;
  }));
}

class DownloadManager : public SettingsFixture {
 protected:
  void Open(std::vector<DownloadEntry> entries) {
    driver_->GetUi().PostTask([this, entries] {
      ui::EnterFullScreen(*launcher_, false);
      CDownloadManager(*app_, entries).DoModal();
    });
    ASSERT_TRUE(driver_->WaitForDialog(u"下载管理"));
  }
};

TEST_F(DownloadManager, DownloadNeedsASelectionAndHandsTheAddressToTheBrowser) {
  Launch();
  Open({{u"第1段", u"http://127.0.0.1:28080/v/1.flv"}, {u"第2段", u"http://127.0.0.1:28080/v/2.flv"}});
  ASSERT_TRUE(driver_->PickMenuItem({u"下载"}));
  ExpectBox(u"请选择一项再下载！");
  EXPECT_EQ(LaunchLog(), "");
  TapRow(CDownloadManager::kListId, 1);
  ASSERT_TRUE(driver_->PickMenuItem({u"下载"}));
  EXPECT_TRUE(driver_->WaitFor([this] { return LaunchLog().find("http://127.0.0.1:28080/v/2.flv") != std::string::npos; }));
  EXPECT_EQ(LaunchLog().find("1.flv"), std::string::npos);
  SaveScreen("downloads-240x320");
}

TEST_F(DownloadManager, AFirstNameWiderThanTheScreenWidensTheColumn) {
  Launch();
  const WString wide = u"这是一个名字非常非常非常非常非常长的视频片段第一段";
  Open({{wide, u"http://x.test/1"}, {u"短", u"http://x.test/2"}});
  const auto widths = driver_->Invoke([this, wide] {
    auto* manager = dynamic_cast<CDownloadManager*>(driver_->GetUi().ActiveWindow());
    return std::pair{manager->ColumnWidth(), driver_->GetUi().NormalFont().TextWidth(wide)};
  });
  EXPECT_GE(widths.first, widths.second);
  EXPECT_GT(widths.first, 240);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  Open({{u"短", u"http://x.test/2"}});
  EXPECT_EQ(driver_->Invoke([this] {
    return dynamic_cast<CDownloadManager*>(driver_->GetUi().ActiveWindow())->ColumnWidth();
  }), 240 - driver_->Invoke([this] { return app_->Metrics.ScrollBarWidth; }));
}

TEST_F(DownloadManager, TheProgressWindowCoversTheWholeScreen) {
  Launch();
  std::atomic<bool> started{false};
  driver_->GetUi().PostTask([this, &started] {
    CTarvoProgress(driver_->GetUi(), [&started](CTarvoProgress&) { started = true; }).DoModal();
  });
  ASSERT_TRUE(driver_->WaitFor([&] { return started.load(); }));
  const auto shown = driver_->Invoke([this] {
    ui::Window* window = driver_->GetUi().ActiveWindow();
    return std::tuple{window->ScreenRect(), driver_->GetUi().Frame().TaskbarShown(), window->ShowsMenuBar()};
  });
  EXPECT_EQ(std::get<0>(shown), (ui::Rect{0, 0, 240, 320}));
  EXPECT_FALSE(std::get<1>(shown));
  EXPECT_FALSE(std::get<2>(shown));
  driver_->Key(ui::keys::kEscape);
}

}  // namespace
}  // namespace tarvo::testing
