#include "launcher/settings/ButtonColumn.h"
#include "launcher/settings/CMainMenuTemplate.h"
#include "launcher/settings/CPersonalSet.h"
#include "settings/SettingsFixture.h"

namespace tarvo::testing {
namespace {

TEST(ButtonColumn, SizesFollowTheResolutionClassAndTheColumnIsCentred) {
  const auto small = ButtonColumnRects(1, 240, 320, 5);
  ASSERT_EQ(small.size(), 5u);
  // 5 x 40 + 4 x 20 = 280 high: the first top is (320 - 280) / 2.
  EXPECT_EQ(small[0], (ui::Rect{40, 20, 200, 60}));
  EXPECT_EQ(small[4].top, 20 + 4 * 60);
  const auto three = ButtonColumnRects(7, 480, 800, 3);
  EXPECT_EQ(three[0], (ui::Rect{120, (800 - 180 - 80) / 2, 360, (800 - 180 - 80) / 2 + 60}));
  EXPECT_TRUE(ButtonColumnRects(1, 240, 320, 0).empty());
}

class HubScreen : public SettingsFixture {};

TEST_F(HubScreen, OnA480x640ScreenTheFiveButtonsAre240x60With40PixelGapsFromY90) {
  Launch(480, 640);
  OpenHub();
  driver_->Sync();
  const ui::Canvas shown = driver_->Screenshot();
  // What the hub would show without its buttons: the background stretched over the screen.
  ui::Canvas bare(480, 640);
  driver_->Invoke([&] {
    const ui::Canvas& picture = app_->BackgroundBitmap;
    bare.Stretch(picture, ui::Rect{0, 0, picture.Width(), picture.Height()}, ui::Rect{0, 0, 480, 640});
  });
  std::vector<ui::Rect> expected;
  for (int i = 0; i < 5; ++i) expected.push_back(ui::Rect{120, 90 + i * 100, 360, 150 + i * 100});
  int stray = 0;
  for (int y = 0; y < 640; ++y) {
    for (int x = 0; x < 480; ++x) {
      const bool inButton = std::any_of(expected.begin(), expected.end(), [&](const ui::Rect& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      });
      if (!inButton && shown.ColorAt(x, y) != bare.ColorAt(x, y)) ++stray;
    }
  }
  EXPECT_EQ(stray, 0) << "pixels changed outside the expected button rectangles";
  for (const ui::Rect& r : expected) {
    const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
    EXPECT_NE(shown.ColorAt(midX, r.top), bare.ColorAt(midX, r.top)) << "top edge at " << r.top;
    EXPECT_NE(shown.ColorAt(midX, r.bottom - 1), bare.ColorAt(midX, r.bottom - 1)) << "bottom edge at " << r.bottom;
    EXPECT_NE(shown.ColorAt(r.left, midY), bare.ColorAt(r.left, midY)) << "left edge";
    EXPECT_NE(shown.ColorAt(r.right - 1, midY), bare.ColorAt(r.right - 1, midY)) << "right edge";
  }
  SaveScreen("hub-480x640");
}

TEST_F(HubScreen, SwitchingToTheTemplateInForceChangesNothing) {
  Launch();
  const std::string before = MainMenuXml();
  OpenHub();
  TapColumnButton(u"主界面模板");
  ASSERT_TRUE(driver_->WaitForDialog(u"主界面模板"));
  TapColumnButton(u"普通模式");
  ExpectBox(u"已经是普通模式了。");
  EXPECT_EQ(MainMenuXml(), before);
  EXPECT_FALSE(driver_->Invoke([this] { return app_->LauncherChanged; }));
}

TEST_F(HubScreen, SwitchingToOfficeAsksRewritesTheItemsAndTheLauncherFollows) {
  Launch();
  OpenHub();
  TapColumnButton(u"主界面模板");
  ASSERT_TRUE(driver_->WaitForDialog(u"主界面模板"));
  TapColumnButton(u"办公模式");
  ExpectBox(u"确定将Tarvo切换到办公模式吗？", ui::kNoCaption, u"Tarvo");
  EXPECT_EQ(ConfigFile().find("TemplateStyle"), std::string::npos);  // a No writes nothing
  TapColumnButton(u"办公模式");
  ExpectBox(u"确定将Tarvo切换到办公模式吗？", ui::kYesCaption);
  ExpectBox(u"成功切换到办公模式。");
  EXPECT_NE(ConfigFile().find("[TemplateStyle]\r\nstyle=1"), std::string::npos);
  EXPECT_NE(MainMenuXml().find("Title=\"Word\""), std::string::npos);
  EXPECT_EQ(MainMenuXml().find("视频搜索"), std::string::npos);
  TapColumnButton(u"返回");
  ASSERT_TRUE(driver_->WaitForDialog(u"设置"));
  TapColumnButton(u"返回");
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  // The launcher consumed the change: its grid now holds the 14 office items.
  EXPECT_FALSE(driver_->Invoke([this] { return app_->LauncherChanged; }));
  EXPECT_EQ(driver_->Invoke([this] { return app_->Layout->CellRects().size(); }), 14u);
  EXPECT_EQ(Titles().front(), u"电话");
}

}  // namespace
}  // namespace tarvo::testing
