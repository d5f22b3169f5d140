// The group frame, and the editable combo box placed after it is made, as
// the screens that use group frames lay their controls out.
#include <gtest/gtest.h>

#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Theme.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::ui {
namespace {

using testing::ScreenDriver;

class GroupDialog : public Dialog {
 public:
  explicit GroupDialog(Ui& ui) : Dialog(ui, u"Groups") {}
  bool OnInitDialog() override {
    group.Create(this, u"GPS", Rect{10, 10, 200, 120}, 5);
    combo.Create(this, Rect{}, 6, ComboStyle::DropDown);
    combo.AddString(u"4800");
    combo.MoveWindow(Rect{20, 40, 180, 64});
    combo.SetCurSel(0);
    return true;
  }
  GroupBox group;
  ComboBox combo;
};

TEST(GroupBoxes, CaptionSitsInTheTopEdgeAndTheControlsOverItTakeTheTaps) {
  ScreenDriver driver;
  GroupDialog* dialog = nullptr;
  driver.Start([&] {
    GroupDialog shown(driver.GetUi());
    dialog = &shown;
    shown.DoModal();
    dialog = nullptr;
  });
  ASSERT_TRUE(driver.WaitForDialog(u"Groups"));
  driver.Invoke([&] {
    EXPECT_STREQ(dialog->group.ControlKind(), "group");
    EXPECT_EQ(dialog->group.ShownText(), u"GPS");
    const Rect inner = dialog->group.InnerRect(0);
    EXPECT_GT(inner.top, 10 + dialog->group.GetFont().Height() / 2);  // below the caption line
    EXPECT_NE(dialog->ChildAt(Point{100, 50}), &dialog->group);
  });
  const Canvas screen = driver.Screenshot();
  const Point origin = driver.Invoke([&] { return dialog->group.ToScreen(Point{0, 0}); });
  const int lineY = origin.y + driver.Invoke([&] { return dialog->group.GetFont().Height() / 2; });
  // The frame's left edge below the caption line, and no frame through the caption.
  EXPECT_EQ(screen.ColorAt(origin.x, lineY + 20), theme::kButtonBorder);
  EXPECT_NE(screen.ColorAt(origin.x + 8, lineY), theme::kButtonBorder);
}

TEST(GroupBoxes, EditableComboMovedAfterCreationShowsItsTextAcrossTheBox) {
  ScreenDriver driver;
  GroupDialog* dialog = nullptr;
  driver.Start([&] {
    GroupDialog shown(driver.GetUi());
    dialog = &shown;
    shown.DoModal();
    dialog = nullptr;
  });
  ASSERT_TRUE(driver.WaitForDialog(u"Groups"));
  driver.Invoke([&] {
    ASSERT_FALSE(dialog->combo.Children().empty());
    const Rect edit = dialog->combo.Children()[0]->WindowRect();
    EXPECT_GT(edit.Width(), 100);
    EXPECT_EQ(edit.Height(), 24);
    EXPECT_EQ(dialog->combo.GetWindowText(), u"4800");
  });
}

}  // namespace
}  // namespace tarvo::ui
