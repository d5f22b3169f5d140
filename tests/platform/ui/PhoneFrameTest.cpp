// The frame around the windows: bar heights, full screen, input panel,
// rotation, tap-and-hold.
#include <atomic>

#include <gtest/gtest.h>

#include "platform/ui/Dialog.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::ui {
namespace {

using testing::ScreenDriver;

TEST(PhoneFrameGeometry, BarsAre23PixelsOnA240By320Screen) {
  Ui ui;
  EXPECT_EQ(ui.Frame().TopBarHeight(), 23);
  EXPECT_EQ(ui.Frame().BottomBarHeight(), 23);
  EXPECT_EQ(ui.TextHeight(), 18);
  EXPECT_EQ(ui.Frame().WorkArea(), (Rect{0, 23, 240, 297}));
  Ui large(UiOptions::Sized(480, 800));
  EXPECT_EQ(large.Frame().TopBarHeight(), 46);
  EXPECT_EQ(large.TextHeight(), 36);
  Ui middle(UiOptions::Sized(320, 480));
  EXPECT_EQ(middle.TextHeight(), 24);
}

TEST(PhoneFrameGeometry, EnterFullScreenCoversTheScreenAndBackPlacesInTheWorkArea) {
  Ui ui;
  Dialog dialog(ui, u"全屏");
  dialog.CreateModeless();
  EXPECT_EQ(dialog.WindowRect(), (Rect{0, 23, 240, 297}));
  EXPECT_TRUE(dialog.ShowsMenuBar());
  EnterFullScreen(dialog, true);
  EXPECT_EQ(dialog.WindowRect(), (Rect{0, 0, 240, 320}));
  EXPECT_FALSE(ui.Frame().TaskbarShown());
  EXPECT_FALSE(ui.Frame().SipButtonShown());
  EXPECT_FALSE(ui.Frame().StartIconShown());
  EXPECT_FALSE(dialog.ShowsMenuBar());
  EXPECT_TRUE(ui.Frame().TopBarRect().IsEmpty());
  EXPECT_TRUE(ui.Frame().BottomBarRect(&dialog).IsEmpty());
  EnterFullScreen(dialog, false);
  // Top-left of the work area, as high as the work area's bottom less the top bar.
  EXPECT_EQ(dialog.WindowRect(), (Rect{0, 23, 240, 23 + 297 - 23}));
  EXPECT_TRUE(ui.Frame().TaskbarShown());
  EXPECT_TRUE(dialog.ShowsMenuBar());
}

TEST(PhoneFrameGeometry, TheTopBarShowsTheActiveCaptionAndFullScreenShowsTheWindowOnly) {
  Ui ui;
  Dialog dialog(ui, u"标题");
  dialog.CreateModeless();
  const Canvas& framed = ui.RenderScreen();
  EXPECT_NE(framed.ColorAt(120, 5), framed.ColorAt(120, 100));  // a bar above the white dialog
  EnterFullScreen(dialog, true);
  const Canvas& full = ui.RenderScreen();
  EXPECT_EQ(full.ColorAt(120, 5), Rgb(255, 255, 255));
  EXPECT_EQ(full.ColorAt(120, 315), Rgb(255, 255, 255));
}

TEST(PhoneFrameGeometry, DialogsKeepTheirPlacementWhenTheScreenRotates) {
  Ui ui;
  Dialog framed(ui, u"普通");
  framed.CreateModeless();
  Dialog full(ui, u"全屏");
  full.CreateModeless();
  EnterFullScreen(full, true);
  ui.Rotate();
  EXPECT_EQ(full.WindowRect(), (Rect{0, 0, 320, 240}));
  EnterFullScreen(full, false);
  ui.Rotate();
  EXPECT_EQ(framed.WindowRect(), (Rect{0, 23, 240, 297}));
  EXPECT_EQ(full.WindowRect(), (Rect{0, 23, 240, 297}));
}

TEST(PhoneFrameGeometry, TheInputPanelSitsAboveTheMenuBar) {
  Ui ui;
  Dialog dialog(ui, u"输入");
  dialog.CreateModeless();
  ui.ShowInputPanel(true);
  EXPECT_EQ(ui.Frame().InputPanelRect(&dialog), (Rect{0, 297 - 80, 240, 297}));
  EnterFullScreen(dialog, true);
  EXPECT_EQ(ui.Frame().InputPanelRect(&dialog), (Rect{0, 240, 240, 320}));
}

TEST(PhoneFrameGeometry, TheInputPanelButtonTogglesThePanel) {
  ScreenDriver driver;
  driver.Start([&] {
    Dialog d(driver.GetUi(), u"键盘");
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"键盘"));
  driver.Tap(Point{120, 310});
  EXPECT_TRUE(driver.Invoke([&] { return driver.GetUi().Frame().InputPanelShown(); }));
  driver.Tap(Point{120, 310});
  EXPECT_FALSE(driver.Invoke([&] { return driver.GetUi().Frame().InputPanelShown(); }));
}

// Records presses and holds.
class HoldDialog : public Dialog {
 public:
  HoldDialog(Ui& ui, bool takesHold) : Dialog(ui, u"按住"), takesHold_(takesHold) {}
  bool OnTapAndHold(Point) override {
    ++holds;
    return takesHold_;
  }
  void OnPenUp(Point) override { ++ups; }
  int holds = 0;
  int ups = 0;

 private:
  bool takesHold_;
};

TEST(TapAndHold, AStillPressOfHalfASecondIsAHoldAndSwallowsTheRelease) {
  ScreenDriver driver;
  HoldDialog* dialog = nullptr;
  driver.Start([&] {
    HoldDialog d(driver.GetUi(), true);
    dialog = &d;
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"按住"));
  driver.PenDown(Point{100, 100});
  driver.AdvanceTime(Ui::kTapAndHoldMs - 1);
  EXPECT_EQ(driver.Invoke([&] { return dialog->holds; }), 0);
  driver.AdvanceTime(1);
  EXPECT_EQ(driver.Invoke([&] { return dialog->holds; }), 1);
  driver.PenUp(Point{100, 100});
  EXPECT_EQ(driver.Invoke([&] { return dialog->ups; }), 0);
  driver.Tap(Point{100, 100});
  EXPECT_EQ(driver.Invoke([&] { return dialog->holds; }), 1);
  EXPECT_EQ(driver.Invoke([&] { return dialog->ups; }), 1);
}

TEST(TapAndHold, MovingAwayOrAnUnhandledHoldLeavesAnOrdinaryPress) {
  ScreenDriver driver;
  HoldDialog* dialog = nullptr;
  driver.Start([&] {
    HoldDialog d(driver.GetUi(), false);
    dialog = &d;
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"按住"));
  driver.PenDown(Point{100, 100});
  driver.PenMove(Point{100 + Ui::kTapAndHoldSlop + 1, 100});
  driver.AdvanceTime(2000);
  driver.PenUp(Point{100, 100});
  EXPECT_EQ(driver.Invoke([&] { return dialog->holds; }), 0);
  EXPECT_EQ(driver.Invoke([&] { return dialog->ups; }), 1);
  driver.TapAndHold(Point{100, 100});
  EXPECT_EQ(driver.Invoke([&] { return dialog->holds; }), 1);
  EXPECT_EQ(driver.Invoke([&] { return dialog->ups; }), 2);  // not taken: the release still arrives
}

TEST(WaitCursor, ShowsInTheMiddleOfTheScreenUntilTurnedOff) {
  Ui ui;
  Dialog dialog(ui, u"忙");
  dialog.CreateModeless();
  Color before = ui.RenderScreen().ColorAt(120, 160);
  ui.BeginWaitCursor();
  EXPECT_TRUE(ui.IsWaitCursor());
  Color busy = ui.RenderScreen().ColorAt(120 - 10, 160 - 10);
  EXPECT_NE(busy, before);
  ui.EndWaitCursor();
  EXPECT_EQ(ui.RenderScreen().ColorAt(120 - 10, 160 - 10), before);
}

}  // namespace
}  // namespace tarvo::ui
