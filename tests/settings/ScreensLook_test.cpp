// Walks every settings screen at two screen sizes and writes what it shows to
// build/tests/settings-screens/ so the screens can be looked at.
#include "launcher/settings/CButtonStyleSet.h"
#include "launcher/settings/CIESet.h"
#include "launcher/settings/CMainMenuSet.h"
#include "launcher/settings/CMainMenuTemplate.h"
#include "settings/SettingsFixture.h"

namespace tarvo::testing {
namespace {

class ScreensLook : public SettingsFixture, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(ScreensLook, EveryScreenDraws) {
  const auto [width, height] = GetParam();
  const std::string size = std::to_string(width) + "x" + std::to_string(height);
  Launch(width, height);
  OpenHub();
  SaveScreen("hub-" + size);
  TapColumnButton(u"主界面模板");
  ASSERT_TRUE(driver_->WaitForDialog(CMainMenuTemplate::kCaption));
  SaveScreen("template-" + size);
  TapColumnButton(u"返回");
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));

  TapColumnButton(u"主界面设置");
  ASSERT_TRUE(driver_->WaitForDialog(CMainMenuSet::kCaption));
  TapRow(CMainMenuSet::kListId, 2);
  SaveScreen("items-" + size);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));

  TapColumnButton(u"浏览器设置");
  ASSERT_TRUE(driver_->WaitForDialog(CIESet::kCaption));
  SaveScreen("browser-" + size);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));

  TapColumnButton(u"按钮风格设置");
  ASSERT_TRUE(driver_->WaitForDialog(CButtonStyleSet::kCaption));
  SaveScreen("button-style-" + size);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));
  EXPECT_FALSE(driver_->GetUi().IsWaitCursor());
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScreensLook, ::testing::Values(std::pair{240, 320}, std::pair{480, 800}));

}  // namespace
}  // namespace tarvo::testing
