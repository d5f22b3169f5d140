// The program's own controls driven through the screen.
#include <atomic>

#include <gtest/gtest.h>

#include "launcher/controls/CEditEx.h"
#include "launcher/controls/CImageButtonEx.h"
#include "launcher/controls/CMyEdit.h"
#include "launcher/controls/CSkinButton.h"
#include "launcher/controls/LinkListCtrl.h"
#include "platform/device/DebugOutput.h"
#include "platform/device/PhoneFileSystem.h"
#include "platform/ui/Dialog.h"
#include "support/TempDir.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo {
namespace {

using testing::ScreenDriver;
using ui::Point;
using ui::Rect;

constexpr int kControlId = 40;

// A full-screen dialog holding one control made by the test; it records
// the page messages and commands it gets.
class HostDialog : public ui::Dialog {
 public:
  HostDialog(ui::Ui& ui, std::function<void(HostDialog&)> init) : Dialog(ui, u"控件"), init_(std::move(init)) {}
  bool OnInitDialog() override {
    ui::EnterFullScreen(*this, true);
    init_(*this);
    return true;
  }
  intptr_t OnMessage(uint32_t message, uintptr_t, intptr_t) override {
    messages.push_back(message);
    return 0;
  }
  bool OnCommand(int id, int code) override {
    if (code == ui::kClicked) clicks.push_back(id);
    return Dialog::OnCommand(id, code);
  }
  std::vector<uint32_t> messages;
  std::vector<int> clicks;

 private:
  std::function<void(HostDialog&)> init_;
};

template <class Control>
struct Hosted {
  ScreenDriver driver;
  Control* control = nullptr;
  HostDialog* dialog = nullptr;

  void Open(std::function<void(Control&, HostDialog&)> make) {
    driver.Start([this, make] {
      Control c;
      HostDialog d(driver.GetUi(), [&](HostDialog& self) { make(c, self); });
      control = &c;
      dialog = &d;
      d.DoModal();
    });
    ASSERT_TRUE(driver.WaitForDialog(u"控件"));
  }
  Point At(int x, int y) {
    return driver.Invoke([&] { return control->ToScreen(Point{x, y}); });
  }
};

// --- CEditEx -----------------------------------------------------------------

class PageTaps : public ::testing::Test {
 protected:
  void SetUp() override {
    edit_.Open([](CEditEx& e, HostDialog& d) {
      e.Create(&d, Rect::FromSize(0, 0, 200, 200), kControlId, ui::EditStyle{true, false, true, true});
    });
  }
  std::vector<uint32_t> Messages() {
    return edit_.driver.Invoke([&] { return edit_.dialog->messages; });
  }
  Hosted<CEditEx> edit_;
};

TEST_F(PageTaps, LeftHalfTurnsBackAndRightHalfTurnsOn) {
  edit_.driver.Tap(edit_.At(98, 50));   // x < 200/2 - 1
  edit_.driver.Tap(edit_.At(101, 50));  // x >= 200/2 + 1
  EXPECT_EQ(Messages(), (std::vector<uint32_t>{CEditEx::kPreviousPageMessage, CEditEx::kNextPageMessage}));
}

TEST_F(PageTaps, TheTwoMiddlePixelsTurnNoPage) {
  edit_.driver.Tap(edit_.At(99, 50));
  edit_.driver.Tap(edit_.At(100, 50));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PageTaps, OneMoveStillTurnsButTwoMovesDoNot) {
  auto& d = edit_.driver;
  d.PenDown(edit_.At(20, 50));
  d.PenMove(edit_.At(21, 50));
  d.PenUp(edit_.At(21, 50));
  EXPECT_EQ(Messages(), std::vector<uint32_t>{CEditEx::kPreviousPageMessage});
  d.Drag(edit_.At(20, 50), edit_.At(30, 50), 2);
  EXPECT_EQ(Messages().size(), 1u);
  // The counter starts again with the next press.
  d.Tap(edit_.At(150, 50));
  EXPECT_EQ(Messages().back(), CEditEx::kNextPageMessage);
}

TEST_F(PageTaps, WithTheScrollBarTheHalvesLeaveItOutAndATapOnItOnlyScrolls) {
  auto& d = edit_.driver;
  d.Invoke([&] { edit_.control->SetWindowText(WString(600, u'长')); });
  const int bar = d.Invoke([&] { return d.GetUi().ScrollBarWidth(); });
  const int w = 200 - bar;
  d.Tap(edit_.At(w / 2 - 2, 50));
  d.Tap(edit_.At(w / 2 - 1, 50));  // the middle of the width left of the bar
  d.Tap(edit_.At(w / 2, 50));
  d.Tap(edit_.At(w / 2 + 1, 50));
  EXPECT_EQ(Messages(), (std::vector<uint32_t>{CEditEx::kPreviousPageMessage, CEditEx::kNextPageMessage}));
  // The bar lies inside the two-pixel frame: from 200 - 2 - bar to the right edge nothing turns.
  for (int x = 200 - 2 - bar; x < 200; ++x) d.Tap(edit_.At(x, 190));
  EXPECT_EQ(Messages().size(), 2u);
  EXPECT_GT(d.Invoke([&] { return edit_.control->FirstVisibleLine(); }), 0);
}

// --- CSkinButton ---------------------------------------------------------------

ui::Canvas Face(ui::Color color) { return ui::Canvas(20, 10, ui::PixelFormat::Rgba, 0xFF000000 | color); }

class SkinButton : public ::testing::Test {
 protected:
  void SetUp() override {
    button_.Open([](CSkinButton& b, HostDialog& d) {
      b.Create(u"设置", Rect::FromSize(10, 10, 120, 40), &d, kControlId);
      b.SetBitmaps(Face(ui::Rgb(0, 160, 0)), Face(ui::Rgb(160, 0, 0)));
    });
  }
  ui::Color Corner() {
    Point p = button_.At(2, 2);
    return button_.driver.Screenshot().ColorAt(p.x, p.y);
  }
  std::vector<int> Clicks() {
    return button_.driver.Invoke([&] { return button_.dialog->clicks; });
  }
  Hosted<CSkinButton> button_;
};

TEST_F(SkinButton, PressedOnlyWhileThePenIsInside) {
  auto& d = button_.driver;
  EXPECT_EQ(Corner(), ui::Rgb(0, 160, 0));
  d.PenDown(button_.At(60, 20));
  EXPECT_EQ(Corner(), ui::Rgb(160, 0, 0));
  d.PenMove(button_.At(200, 20));
  EXPECT_EQ(Corner(), ui::Rgb(0, 160, 0));
  d.PenMove(button_.At(60, 25));
  EXPECT_EQ(Corner(), ui::Rgb(160, 0, 0));
  d.PenUp(button_.At(60, 25));
  EXPECT_EQ(Corner(), ui::Rgb(0, 160, 0));
  EXPECT_EQ(Clicks(), std::vector<int>{kControlId});
}

TEST_F(SkinButton, ReleasingOutsideOrHoldingGivesNoClick) {
  auto& d = button_.driver;
  d.PenDown(button_.At(60, 20));
  d.PenMove(button_.At(200, 20));
  d.PenUp(button_.At(200, 20));
  d.TapAndHold(button_.At(60, 20));
  EXPECT_TRUE(Clicks().empty());
  EXPECT_EQ(Corner(), ui::Rgb(0, 160, 0));
}

TEST_F(SkinButton, TheCaptionIsDrawnInTheMiddle) {
  ui::Canvas screen = button_.driver.Screenshot();
  Point from = button_.At(0, 0);
  int dark = 0;
  for (int y = from.y; y < from.y + 40; ++y)
    for (int x = from.x; x < from.x + 120; ++x) dark += screen.ColorAt(x, y) == ui::Rgb(0, 0, 0) ? 1 : 0;
  EXPECT_GT(dark, 10);
}

TEST(SkinButtonResources, ResourceIdsMapToPicturesUnderTheProgramFolder) {
  EXPECT_EQ(ResourceBitmapPath(u"\\Program Files\\Tarvo\\", 140), u"\\Program Files\\Tarvo\\TarvoImage\\res\\140.png");
}

// --- CImageButtonEx --------------------------------------------------------------

class ImageButton : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::Canvas blue(10, 10, ui::PixelFormat::Rgba, 0xFF0000FF);
    dir_.Write("fs/pics/blue.png", *ui::EncodePng(blue));
    dir_.Write("fs/pics/broken.png", "not a png");
  }
  testing::TempDir dir_;
  PhoneFileSystem files_{dir_.Path() + "/fs"};
  std::unique_ptr<ui::ImagingFactory> factory_;
};

TEST_F(ImageButton, TheFactoryIsMadeOnFirstUseAndPicturesDecode) {
  ui::Ui ui;
  ui::Dialog host(ui, u"图");
  host.CreateModeless();
  CImageButtonEx button;
  button.Create(&host, Rect::FromSize(0, 0, 30, 30), 1);
  EXPECT_TRUE(button.SetImage(factory_, files_, u"\\pics\\blue.png"));
  EXPECT_NE(factory_, nullptr);
  EXPECT_TRUE(button.HasNormalImage());
  EXPECT_FALSE(button.HasPressedImage());
  Point p = button.ToScreen(Point{15, 15});
  EXPECT_EQ(ui.RenderScreen().ColorAt(p.x, p.y), ui::Rgb(0, 0, 255));
}

TEST_F(ImageButton, AMissingOrBrokenPictureLeavesTheBackgroundOnly) {
  ui::Ui ui;
  ui::Dialog host(ui, u"图");
  host.CreateModeless();
  CImageButtonEx button;
  button.Create(&host, Rect::FromSize(0, 0, 30, 30), 1);
  button.SetImage(factory_, files_, u"\\pics\\blue.png");
  EXPECT_FALSE(button.SetImage(factory_, files_, u"\\pics\\missing.png"));
  EXPECT_FALSE(button.HasNormalImage());
  EXPECT_FALSE(button.SetImage(factory_, files_, u"\\pics\\blue.png", u"\\pics\\broken.png"));
  EXPECT_TRUE(button.HasNormalImage());
  EXPECT_FALSE(button.HasPressedImage());
  button.SetImage(factory_, files_, u"\\pics\\broken.png");
  Point p = button.ToScreen(Point{15, 15});
  EXPECT_EQ(ui.RenderScreen().ColorAt(p.x, p.y), ui::Rgb(255, 255, 255));
}

TEST_F(ImageButton, NoNormalPathWritesTheDebugLine) {
  ui::Ui ui;
  ui::Dialog host(ui, u"图");
  host.CreateModeless();
  CImageButtonEx button;
  button.Create(&host, Rect::FromSize(0, 0, 30, 30), 1);
  SetDebugOutput(true);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(button.SetImage(factory_, files_, u""));
  std::string printed = ::testing::internal::GetCapturedStderr();
  SetDebugOutput(false);
  EXPECT_NE(printed.find("CImageButtonEx::SetImage：Normal Image cannot be null."), std::string::npos) << printed;
}

// --- CMyEdit ---------------------------------------------------------------------

TEST(PasteMenu, TapAndHoldOffersPasteAndAPlainTapDoesNot) {
  Hosted<CMyEdit> edit;
  edit.Open([](CMyEdit& e, HostDialog& d) { e.Create(&d, Rect::FromSize(10, 10, 200, 30), kControlId); });
  edit.driver.Invoke([&] { edit.driver.GetUi().SetClipboardText(u"复制的字"); });
  edit.driver.Tap(edit.At(20, 15));
  EXPECT_FALSE(edit.driver.Invoke([&] { return edit.driver.GetUi().TopWindow()->IsPopup(); }));
  edit.driver.TapAndHold(edit.At(20, 15));
  ASSERT_TRUE(edit.driver.WaitFor([&] { return edit.driver.GetUi().TopWindow()->IsPopup(); }));
  ASSERT_TRUE(edit.driver.PickMenuItem({u"粘贴"}));
  ASSERT_TRUE(edit.driver.WaitFor([&] { return edit.control->Text() == u"复制的字"; }));
}

// --- LinkListCtrl ------------------------------------------------------------------

class Links : public ::testing::Test {
 protected:
  void SetUp() override {
    list_.Open([this](LinkListCtrl& l, HostDialog& d) {
      l.Create(&d, Rect::FromSize(0, 0, 240, 300), kControlId);
      l.SetShowHeader(false);
      l.InsertColumn(0, u"名称", 120);
      l.InsertColumn(1, u"链接", 120);
      for (int i = 0; i < 3; ++i) {
        l.InsertItem(i, u"第一集");
        l.SetItemText(i, 1, u"播放");
      }
      l.SetLink(1, 1, u"http://127.0.0.1:1/v/1");
      l.SetLink(2, 1, u"");
      l.SetOpener([this, &l](const WString& url) {
        opened_.push_back(url);
        waitCursorDuringOpen_ = l.GetUi().IsWaitCursor();
      });
    });
  }
  Point Cell(int row, int column) {
    return list_.driver.Invoke([&] {
      Rect r = list_.control->SubItemRect(row, column);
      return list_.control->ToScreen(Point{r.left + 8, (r.top + r.bottom) / 2});
    });
  }
  Hosted<LinkListCtrl> list_;
  std::vector<WString> opened_;
  bool waitCursorDuringOpen_ = false;
};

TEST_F(Links, RecordsAreKeyedByRowAndColumn) {
  EXPECT_EQ(LinkListCtrl::LinkKey(3, 1), u"3 x 1");
  EXPECT_TRUE(list_.driver.Invoke([&] { return list_.control->GetLink(1, 1) != nullptr; }));
  EXPECT_FALSE(list_.driver.Invoke([&] { return list_.control->GetLink(1, 0) != nullptr; }));
}

TEST_F(Links, ATapOnALinkedCellOpensItMarksItVisitedAndRedrawsIt) {
  auto blueOrPurple = [&](ui::Color wanted) {
    ui::Canvas screen = list_.driver.Screenshot();
    Point p = Cell(1, 1);
    for (int y = p.y - 10; y < p.y + 10; ++y)
      for (int x = p.x - 8; x < p.x + 40; ++x)
        if (screen.ColorAt(x, y) == wanted) return true;
    return false;
  };
  EXPECT_TRUE(blueOrPurple(ui::Rgb(0, 0, 255)));
  list_.driver.Tap(Cell(0, 1));  // no link
  list_.driver.Tap(Cell(2, 1));  // a link without a URL
  list_.driver.Tap(Cell(1, 0));  // the row, but not the linked cell
  EXPECT_TRUE(list_.driver.Invoke([&] { return opened_.empty(); }));
  list_.driver.Tap(Cell(1, 1));
  EXPECT_EQ(list_.driver.Invoke([&] { return opened_; }), std::vector<WString>{u"http://127.0.0.1:1/v/1"});
  EXPECT_TRUE(list_.driver.Invoke([&] { return list_.control->GetLink(1, 1)->visited; }));
  EXPECT_TRUE(list_.driver.Invoke([&] { return waitCursorDuringOpen_; }));
  EXPECT_FALSE(list_.driver.Invoke([&] { return list_.driver.GetUi().IsWaitCursor(); }));
  list_.driver.Tap(Cell(0, 0));  // move the selection away to see the visited colour
  EXPECT_TRUE(blueOrPurple(ui::Rgb(128, 0, 128)));
}

}  // namespace
}  // namespace tarvo
