// Walks every settings screen at two screen sizes and writes what it shows to
// build/tests/settings-screens/ so the screens can be looked at; at 240 x 320
// each screen is compared with its reference picture.
#include "launcher/settings/CButtonStyleSet.h"
#include "launcher/settings/CIESet.h"
#include "launcher/settings/CMainMenuSet.h"
#include "launcher/settings/CMainMenuTemplate.h"
#include "settings/SettingsFixture.h"
#include "tools/screens/CDownloadManager.h"
#include "tools/screens/CKeyManager.h"
#include "tools/screens/CTarvoProgress.h"

namespace tarvo::testing {
namespace {

class ScreensLook : public SettingsFixture, public ::testing::WithParamInterface<std::pair<int, int>> {
 protected:
  void Look(const std::string& screen) {
    const auto [width, height] = GetParam();
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    SaveScreen(screen + "-" + size);
    if (width == 240 && height == 320) {
      EXPECT_TRUE(MatchesReferencePng(driver_->Screenshot(), "screen-" + screen + "-" + size + ".png"));
    }
  }
};

TEST_P(ScreensLook, EveryScreenDraws) {
  const auto [width, height] = GetParam();
  Launch(width, height);
  OpenHub();
  Look("hub");
  TapColumnButton(u"主界面模板");
  ASSERT_TRUE(driver_->WaitForDialog(u"主界面模板"));
  Look("template");
  TapColumnButton(u"返回");
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));

  TapColumnButton(u"主界面设置");
  ASSERT_TRUE(driver_->WaitForDialog(u"主界面设置"));
  TapRow(CMainMenuSet::kListId, 2);
  Look("items");
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));

  TapColumnButton(u"浏览器设置");
  ASSERT_TRUE(driver_->WaitForDialog(u"浏览器设置"));
  Look("browser");
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));

  TapColumnButton(u"按钮风格设置");
  ASSERT_TRUE(driver_->WaitForDialog(u"按钮风格"));
  Look("button-style");
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));
  EXPECT_FALSE(driver_->GetUi().IsWaitCursor());
  TapColumnButton(u"返回");
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));

  // The shared tool screens, opened as a tool screen (out of full screen) would.
  driver_->Invoke([this] { app_->Keywords = {u"天气预报", u"新闻联播", u"一个非常非常非常非常非常非常长的搜索关键词"}; });
  driver_->GetUi().PostTask([this] {
    ui::EnterFullScreen(*launcher_, false);
    CKeyManager(*app_).DoModal();
    ui::EnterFullScreen(*launcher_, false);
    CDownloadManager(*app_, {{u"第1段", u"http://x.test/1"}, {u"第2段", u"http://x.test/2"}}).DoModal();
    ui::ProgressBar* bar = nullptr;
    CTarvoProgress progress(driver_->GetUi(), [&bar](CTarvoProgress& window) {
      bar->Create(&window, ui::Rect{20, 100, window.ClientRect().right - 20, 120});
      bar->SetRange(0, 100);
      bar->SetPos(40);
    });
    ui::ProgressBar progressBar;  // goes before the window it sits in
    bar = &progressBar;
    progress.DoModal();
  });
  ASSERT_TRUE(driver_->WaitForDialog(u"关键词管理"));
  TapRow(CKeyManager::kListId, 1);
  Look("keywords");
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"下载管理"));
  TapRow(CDownloadManager::kListId, 0);
  Look("downloads");
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() != nullptr &&
                                               driver_->GetUi().ActiveWindow()->ClientRect().Height() == driver_->GetUi().ScreenHeight(); }));
  Look("progress");
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScreensLook, ::testing::Values(std::pair{240, 320}, std::pair{480, 800}));

}  // namespace
}  // namespace tarvo::testing
