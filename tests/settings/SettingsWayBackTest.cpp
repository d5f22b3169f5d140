// The way back from the settings and tool screens: the top bar's ok, Escape,
// and Enter that ends nothing; the soft keys hold only each screen's commands.
#include "launcher/settings/CButtonStyleSet.h"
#include "launcher/settings/CIESet.h"
#include "launcher/settings/CMainMenuSet.h"
#include "settings/WayBackFixture.h"
#include "tools/screens/CDownloadManager.h"
#include "tools/screens/CKeyManager.h"

namespace tarvo::testing {
namespace {

struct SettingsScreen {
  const char* name;
  const char16_t* caption;
  int (*run)(CTarvoApp&);
  std::vector<WString> softKeys;
};
void PrintTo(const SettingsScreen& screen, std::ostream* out) { *out << screen.name; }

const SettingsScreen kScreens[] = {
    {"BrowserSetting", u"浏览器设置", [](CTarvoApp& app) { return CIESet(app).DoModal(); }, {}},
    {"ButtonStyle", u"按钮风格", [](CTarvoApp& app) { return CButtonStyleSet(app).DoModal(); }, {}},
    {"ItemEditor", u"主界面设置", [](CTarvoApp& app) { return CMainMenuSet(app).DoModal(); },
     {u"更换背景", u"菜单", u"菜单/普通模式", u"菜单/办公模式"}},
    {"KeywordManager", u"关键词管理", [](CTarvoApp& app) { return CKeyManager(app).DoModal(); }, {}},
    {"DownloadManager", u"下载管理",
     [](CTarvoApp& app) { return CDownloadManager(app, {{u"第1段", u"http://127.0.0.1:1/1.flv"}}).DoModal(); },
     {u"下载"}},
};

class SettingsWayBack : public WayBackFixture, public ::testing::WithParamInterface<SettingsScreen> {
 protected:
  void Open() {
    Launch();
    OpenScreen(GetParam().run, GetParam().caption);
  }
};

TEST_P(SettingsWayBack, TheSoftKeysHoldOnlyTheScreensOwnCommands) {
  Open();
  EXPECT_EQ(driver_->SoftKeys(), GetParam().softKeys);
}

TEST_P(SettingsWayBack, TheTopBarsOkEndsTheScreenWithOk) {
  Open();
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(Ended());
  EXPECT_EQ(code_, ui::kIdOk);
}

TEST_P(SettingsWayBack, OkDoesNothingWhileAMessageBoxIsOverTheScreen) {
  Open();
  RaiseMessageBox();
  driver_->TapOkButton();
  driver_->Sync();
  EXPECT_TRUE(driver_->ShownMessageBox().has_value());
  ASSERT_TRUE(driver_->AnswerMessageBox(ui::kOkCaption));
  EXPECT_TRUE(StillOpen(GetParam().caption));
}

TEST_P(SettingsWayBack, EscapeEndsTheScreenWithCancel) {
  Open();
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(Ended());
  EXPECT_EQ(code_, ui::kIdCancel);
}

TEST_P(SettingsWayBack, EnterDoesNotEndTheScreen) {
  Open();
  driver_->Key(ui::keys::kReturn);
  EXPECT_TRUE(StillOpen(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(Screens, SettingsWayBack, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

class BrowserSettingEdit : public WayBackFixture {};

TEST_F(BrowserSettingEdit, EnterInThePathFieldKeepsTheScreenAndTheText) {
  Launch();
  OpenScreen([](CTarvoApp& app) { return CIESet(app).DoModal(); }, u"浏览器设置");
  driver_->Invoke([this] { FindDescendant(driver_->GetUi().ActiveWindow(), CIESet::kPathId)->SetFocus(); });
  driver_->Type(u"\\Windows\\b.exe");
  driver_->Key(ui::keys::kReturn);
  EXPECT_TRUE(StillOpen(u"浏览器设置"));
  EXPECT_EQ(driver_->ControlText(CIESet::kPathId), WString(u"\\Windows\\b.exe"));
  // The path is not saved by the way back.
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(Ended());
  EXPECT_EQ(ConfigFile().find("BrowserPath"), std::string::npos);
}

}  // namespace
}  // namespace tarvo::testing
