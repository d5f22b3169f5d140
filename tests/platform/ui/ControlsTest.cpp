// Controls driven through the screen: message boxes, menus, edits, lists.
#include <atomic>

#include <gtest/gtest.h>

#include "platform/text/Format.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListView.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Static.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::ui {
namespace {

using testing::ScreenDriver;

constexpr int kEditId = 10;
constexpr int kListId = 11;
constexpr int kComboId = 12;

// A dialog whose OnInitDialog is given by the test.
class TestDialog : public Dialog {
 public:
  TestDialog(Ui& ui, WStringView caption, std::function<void(TestDialog&)> init)
      : Dialog(ui, caption), init_(std::move(init)) {}
  bool OnInitDialog() override {
    if (init_) init_(*this);
    return true;
  }
  bool OnCommand(int id, int code) override {
    commands.push_back({id, code});
    return Dialog::OnCommand(id, code);
  }
  std::vector<std::pair<int, int>> commands;

 private:
  std::function<void(TestDialog&)> init_;
};

TEST(MessageBoxes, TheDriverReadsAndAnswersTheBoxShown) {
  std::atomic<int> answer{0};
  ScreenDriver driver;
  driver.Start([&] {
    answer = MessageBox(driver.GetUi(), u"翻页按钮将采用该风格。", u"确认", kMbOkCancel | kMbIconQuestion);
  });
  auto box = driver.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->caption, u"确认");
  EXPECT_EQ(box->text, u"翻页按钮将采用该风格。");
  EXPECT_EQ(box->icon, MessageIcon::Question);
  EXPECT_EQ(box->buttons, (std::vector<WString>{kOkCaption, kCancelCaption}));
  ASSERT_TRUE(driver.AnswerMessageBox(kOkCaption));
  ASSERT_TRUE(driver.WaitFor([&] { return answer != 0; }));
  EXPECT_EQ(answer, kIdOk);
}

TEST(MessageBoxes, YesNoBoxesAnswerYesOrNo) {
  std::atomic<int> answer{0};
  ScreenDriver driver;
  driver.Start([&] { answer = MessageBox(driver.GetUi(), u"拨号?", u"Tarvo", kMbYesNo | kMbIconExclamation); });
  auto box = driver.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->icon, MessageIcon::Exclamation);
  EXPECT_FALSE(driver.AnswerMessageBox(kOkCaption));
  ASSERT_TRUE(driver.AnswerMessageBox(kNoCaption));
  ASSERT_TRUE(driver.WaitFor([&] { return answer != 0; }));
  EXPECT_EQ(answer, kIdNo);
}

TEST(MessageBoxes, UnattendedRunsPrintTheBoxAndNeverAgree) {
  UiOptions options;
  options.answerMessageBoxes = true;
  Ui ui(options);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox(ui, u"安装新版本?", u"升级", kMbYesNo | kMbIconQuestion), kIdNo);
  EXPECT_EQ(MessageBox(ui, u"继续?", u"Tarvo", kMbOkCancel), kIdCancel);
  EXPECT_EQ(MessageBox(ui, u"不支持的分辨率。", u"Tarvo", kMbOk | kMbTopmost), kIdOk);
  std::string printed = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(printed.find("[升级] 安装新版本? -> No"), std::string::npos) << printed;
  EXPECT_NE(printed.find("[Tarvo] 继续? -> Cancel"), std::string::npos);
  EXPECT_NE(printed.find("不支持的分辨率。 -> OK"), std::string::npos);
}

TEST(MenuBars, PickingBySoftKeyAndPopupCaptionsSendsTheCommand) {
  ScreenDriver driver;
  TestDialog* dialog = nullptr;
  driver.Start([&] {
    TestDialog d(driver.GetUi(), u"菜单", [](TestDialog& self) {
      Menu sub;
      sub.Add(u"蓝色", 301).Add(u"绿色", 302);
      Menu popup;
      popup.Add(u"刷新", 201).AddSeparator().AddPopup(u"风格", sub).Add(u"禁用", 203, false);
      MenuBar bar;
      bar.Add(u"返回", 101).AddPopup(u"菜单", popup);
      self.SetMenuBar(bar);
    });
    dialog = &d;
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"菜单"));
  ASSERT_TRUE(driver.PickMenuItem({u"返回"}));
  ASSERT_TRUE(driver.PickMenuItem({u"菜单", u"风格", u"绿色"}));
  // A disabled item cannot be picked, and a tap outside closes the menu.
  ASSERT_TRUE(driver.PickMenuItem({u"菜单"}));
  EXPECT_FALSE(driver.PickMenuItem({u"禁用"}));
  driver.Tap(Point{120, 60});
  EXPECT_TRUE(driver.Invoke([&] { return driver.GetUi().TopWindow() == dialog; }));
  auto commands = driver.Invoke([&] { return dialog->commands; });
  EXPECT_EQ(commands, (std::vector<std::pair<int, int>>{{101, kMenuCommand}, {302, kMenuCommand}}));
}

TEST(MenuBars, ContextMenusReturnTheChosenCommandOrZero) {
  std::atomic<int> first{-1}, second{-1};
  ScreenDriver driver;
  driver.Start([&] {
    Dialog d(driver.GetUi(), u"右键");
    d.CreateModeless();
    Menu menu;
    menu.Add(u"粘贴", 150);
    first = TrackPopupMenu(driver.GetUi(), menu.Items(), Point{50, 100}, nullptr);
    second = TrackPopupMenu(driver.GetUi(), menu.Items(), Point{50, 100}, nullptr);
  });
  ASSERT_TRUE(driver.WaitFor([&] { return driver.GetUi().TopWindow() != nullptr && driver.GetUi().TopWindow()->IsPopup(); }));
  ASSERT_TRUE(driver.PickMenuItem({u"粘贴"}));
  ASSERT_TRUE(driver.WaitFor([&] { return first != -1; }));
  EXPECT_EQ(first, 150);
  ASSERT_TRUE(driver.WaitFor([&] { return driver.GetUi().TopWindow() != nullptr && driver.GetUi().TopWindow()->IsPopup(); }));
  driver.Tap(Point{5, 300});
  ASSERT_TRUE(driver.WaitFor([&] { return second != -1; }));
  EXPECT_EQ(second, 0);
}

TEST(Edits, TypingRespectsTheLimitAndPasswordsShowMasks) {
  ScreenDriver driver;
  Edit* edit = nullptr;
  driver.Start([&] {
    Edit e;
    TestDialog d(driver.GetUi(), u"输入", [&](TestDialog& self) {
      e.Create(&self, Rect::FromSize(5, 5, 200, 24), kEditId, EditStyle{false, true, false, true});
      e.SetLimitText(6);
    });
    edit = &e;
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"输入"));
  driver.Tap(*driver.ControlCenter(kEditId));
  driver.Type(u"密码ab");
  driver.Type(u"cdef");
  EXPECT_EQ(driver.ControlText(kEditId), WString(u"密码abcd"));
  auto shown = driver.Invoke([&] { return edit->DisplayLines(); });
  EXPECT_EQ(shown, std::vector<WString>{u"******"});
  driver.Key(keys::kBack);
  driver.Key(keys::kHome);
  driver.Key(keys::kDelete);
  EXPECT_EQ(driver.ControlText(kEditId), WString(u"码abc"));
}

TEST(Edits, PasteInsertsTheClipboardAtTheCaretWithinTheLimit) {
  ScreenDriver driver;
  Edit* edit = nullptr;
  driver.Start([&] {
    Edit e;
    TestDialog d(driver.GetUi(), u"粘贴", [&](TestDialog& self) {
      e.Create(&self, Rect::FromSize(5, 5, 200, 24), kEditId);
      e.SetLimitText(5);
    });
    edit = &e;
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"粘贴"));
  driver.Invoke([&] {
    edit->SetWindowText(u"ab");
    edit->SetCaret(1);
    driver.GetUi().SetClipboardText(u"一二三四");
    edit->SetFocus();
  });
  driver.Key(keys::kPaste);
  EXPECT_EQ(driver.ControlText(kEditId), WString(u"a一二三b"));
  EXPECT_EQ(driver.Invoke([&] { return edit->Caret(); }), 4u);
  // Text replaced behind the edit's back leaves no caret past its end.
  driver.Invoke([&] { static_cast<Window*>(edit)->SetText(u""); });
  driver.Type(u"x");
  driver.Key(keys::kLeft);
  driver.Key(keys::kDelete);
  driver.Type(u"y");
  EXPECT_EQ(driver.ControlText(kEditId), WString(u"y"));
}

TEST(Edits, MultiLineTextWrapsAndScrollsToKeepTheCaretInView) {
  ScreenDriver driver;
  Edit* edit = nullptr;
  driver.Start([&] {
    Edit e;
    TestDialog d(driver.GetUi(), u"多行", [&](TestDialog& self) {
      e.Create(&self, Rect::FromSize(5, 5, 100, 60), kEditId, EditStyle{true, false, false, true});
    });
    edit = &e;
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"多行"));
  driver.Tap(*driver.ControlCenter(kEditId));
  driver.Type(u"一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十");
  int lines = driver.Invoke([&] { return edit->LineCount(); });
  int visible = driver.Invoke([&] { return edit->VisibleLineCount(); });
  EXPECT_GT(lines, visible);
  EXPECT_EQ(driver.Invoke([&] { return edit->FirstVisibleLine(); }), lines - visible);
  driver.Key(keys::kUp);
  EXPECT_EQ(driver.Invoke([&] { return edit->FirstVisibleLine(); }), lines - visible - 1);
  for (int i = 0; i < 50; ++i) driver.Key(keys::kUp);
  EXPECT_EQ(driver.Invoke([&] { return edit->FirstVisibleLine(); }), 0);
}

TEST(Edits, ATapPutsTheCaretBetweenCharactersByTheirWidths) {
  ScreenDriver driver;
  Edit* edit = nullptr;
  driver.Start([&] {
    Edit e;
    TestDialog d(driver.GetUi(), u"光标", [&](TestDialog& self) {
      e.Create(&self, Rect::FromSize(0, 0, 200, 24), kEditId);
      e.SetWindowText(u"恒恒恒");
    });
    edit = &e;
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"光标"));
  int w = driver.Invoke([&] { return edit->GetFont().CharWidth(U'恒'); });
  Point origin = driver.Invoke([&] { return edit->ToScreen(Point{2, 12}); });
  driver.Tap(Point{origin.x + w + w / 4, origin.y});
  EXPECT_EQ(driver.Invoke([&] { return edit->Caret(); }), 1u);
  driver.Tap(Point{origin.x + w + 3 * w / 4, origin.y});
  EXPECT_EQ(driver.Invoke([&] { return edit->Caret(); }), 2u);
}

class ListFixture : public ::testing::Test {
 protected:
  void Open(int rows) {
    driver_.Start([this, rows] {
      ListView list;
      TestDialog d(driver_.GetUi(), u"列表", [&](TestDialog& self) {
        list.Create(&self, Rect::FromSize(0, 0, 240, 200), kListId);
        list.InsertColumn(0, u"名称", 140);
        list.InsertColumn(1, u"大小", 80);
        for (int i = 0; i < rows; ++i) {
          list.InsertItem(i, Format(u"第%d行", i));
          list.SetItemText(i, 1, Format(u"%d", i * 10));
        }
      });
      list_ = &list;
      dialog_ = &d;
      d.DoModal();
    });
    ASSERT_TRUE(driver_.WaitForDialog(u"列表"));
  }
  Point RowPoint(int row, int subItem) {
    return driver_.Invoke([&] {
      Rect r = list_->SubItemRect(row, subItem);
      return list_->ToScreen(Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    });
  }

  ScreenDriver driver_;
  ListView* list_ = nullptr;
  TestDialog* dialog_ = nullptr;
};

TEST_F(ListFixture, HitTestsFindRowAndSubItemAndMissOutsideRows) {
  Open(3);
  driver_.Invoke([&] {
    int h = list_->RowHeight();
    int top = list_->HeaderHeight();
    ListHit hit = list_->HitTest(Point{150, top + h + 1});
    EXPECT_EQ(hit.row, 1);
    EXPECT_EQ(hit.subItem, 1);
    EXPECT_EQ(list_->HitTest(Point{10, top + 3 * h + 2}).row, -1);  // below the last row
    EXPECT_EQ(list_->HitTest(Point{10, 2}).row, -1);                // on the header
    EXPECT_EQ(list_->HitTest(Point{230, top + 2}).subItem, -1);     // right of the columns
  });
}

TEST_F(ListFixture, ATapSelectsAndNotifiesButADragOnlyScrolls) {
  Open(30);
  driver_.Tap(RowPoint(2, 0));
  EXPECT_EQ(driver_.Invoke([&] { return list_->GetSelected(); }), 2);
  auto commands = driver_.Invoke([&] { return dialog_->commands; });
  EXPECT_EQ(commands, (std::vector<std::pair<int, int>>{{kListId, kSelectionChanged}, {kListId, kItemActivated}}));
  EXPECT_EQ(driver_.Invoke([&] { return list_->LastTap().row; }), 2);

  Point from = RowPoint(6, 0);
  driver_.Drag(from, Point{from.x, from.y - 60});
  EXPECT_EQ(driver_.Invoke([&] { return list_->ScrollOffset(); }), 60);
  commands = driver_.Invoke([&] { return dialog_->commands; });
  EXPECT_EQ(commands.back().second, kSelectionChanged);  // no activation after a drag
  driver_.Drag(from, Point{from.x, from.y + 5000});
  EXPECT_EQ(driver_.Invoke([&] { return list_->ScrollOffset(); }), 0);
}

TEST_F(ListFixture, EnsureVisibleScrollsJustEnough) {
  Open(30);
  driver_.Invoke([&] {
    list_->EnsureVisible(29);
    Rect last = list_->RowRect(29);
    EXPECT_EQ(last.bottom, list_->ClientRect().bottom);
    list_->EnsureVisible(0);
    EXPECT_EQ(list_->ScrollOffset(), 0);
  });
}

TEST_F(ListFixture, CustomDrawSeesEachVisibleRowWithItsState) {
  Open(30);
  std::vector<std::pair<int, bool>> seen = driver_.Invoke([&] {
    std::vector<std::pair<int, bool>> rows;
    list_->SetSelected(1);
    list_->SetFocus();
    list_->SetCustomDraw([&rows](ListRowDraw& draw) {
      rows.emplace_back(draw.row, draw.selected);
      draw.canvas.FillRect(draw.rect, Rgb(117, 138, 169));
      return true;
    });
    list_->GetUi().InvalidateScreen();
    list_->GetUi().RenderScreen();
    return rows;
  });
  ASSERT_FALSE(seen.empty());
  int visible = driver_.Invoke([&] { return list_->VisibleRowCount(); });
  EXPECT_GE(static_cast<int>(seen.size()), visible);
  EXPECT_LE(static_cast<int>(seen.size()), visible + 1);
  EXPECT_EQ(seen[0], std::make_pair(0, false));
  EXPECT_EQ(seen[1], std::make_pair(1, true));
  Point p = RowPoint(3, 0);
  EXPECT_EQ(driver_.Screenshot().ColorAt(p.x, p.y), Rgb(117, 138, 169));
}

TEST_F(ListFixture, AnImageListTallerThanTheTextSetsTheRowHeight) {
  Open(2);
  driver_.Invoke([&] {
    int textRow = list_->RowHeight();
    ImageList images(54, 44);
    list_->SetImageList(&images);
    EXPECT_EQ(list_->RowHeight(), 46);
    EXPECT_GT(46, textRow);
    list_->SetImageList(nullptr);
  });
}

TEST(ComboBoxes, ThePopupListPicksAnItem) {
  ScreenDriver driver;
  ComboBox* combo = nullptr;
  driver.Start([&] {
    ComboBox c;
    TestDialog d(driver.GetUi(), u"组合", [&](TestDialog& self) {
      c.Create(&self, Rect::FromSize(10, 10, 150, 24), kComboId);
      for (const char16_t* s : {u"优酷", u"搜库", u"土豆"}) c.AddString(s);
      c.SetCurSel(0);
    });
    combo = &c;
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"组合"));
  driver.Tap(*driver.ControlCenter(kComboId));
  ASSERT_TRUE(driver.Invoke([&] { return combo->IsDroppedDown(); }));
  Point row = driver.Invoke([&] {
    ListView* list = combo->DropListView();
    Rect r = list->RowRect(2);
    return list->ToScreen(Point{r.left + 5, (r.top + r.bottom) / 2});
  });
  driver.Tap(row);
  EXPECT_FALSE(driver.Invoke([&] { return combo->IsDroppedDown(); }));
  EXPECT_EQ(driver.Invoke([&] { return combo->GetWindowText(); }), u"土豆");
}

TEST(DatePickers, DaysStayWithinTheirMonth) {
  Ui ui;
  Dialog d(ui, u"日期");
  d.CreateModeless();
  DateTimePicker picker;
  picker.Create(&d, Rect::FromSize(0, 0, 150, 24), 1, PickerKind::Date);
  SystemTime t;
  t.year = 2024;
  t.month = 1;
  t.day = 31;
  picker.SetTime(t);
  picker.SelectField(1);
  picker.Step(1);
  EXPECT_EQ(picker.DisplayText(), u"2024-02-29");
  picker.SelectField(0);
  picker.Step(1);
  EXPECT_EQ(picker.DisplayText(), u"2025-02-28");
  DateTimePicker clock;
  clock.Create(&d, Rect::FromSize(0, 30, 150, 24), 2, PickerKind::Time);
  clock.SelectField(0);
  clock.Step(-1);
  EXPECT_EQ(clock.DisplayText(), u"23:00:00");
}

TEST(ProgressBars, PositionsStayInRangeAndStepsWrap) {
  Ui ui;
  Dialog d(ui, u"进度");
  d.CreateModeless();
  ProgressBar bar;
  bar.Create(&d, Rect::FromSize(0, 0, 100, 10));
  bar.SetRange(0, 50);
  bar.SetStep(20);
  bar.StepIt();
  bar.StepIt();
  EXPECT_EQ(bar.GetPos(), 40);
  bar.StepIt();
  EXPECT_EQ(bar.GetPos(), 10);
  bar.SetPos(500);
  EXPECT_EQ(bar.GetPos(), 50);
}

}  // namespace
}  // namespace tarvo::ui
