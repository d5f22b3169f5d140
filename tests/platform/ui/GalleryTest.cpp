// Renders every control in its states at 240x320 and 480x800 into
// gallery/<size>/<scene>.png in the working folder, for people to look at;
// three scenes at 240x320 are compared with committed references.
#include <functional>

#include <gtest/gtest.h>

#include "platform/device/PhoneFileSystem.h"
#include "platform/text/Format.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FileChooser.h"
#include "platform/ui/ImageCodec.h"
#include "platform/ui/ListView.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PopupMenuWindow.h"
#include "platform/ui/Static.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"
#include "support/TempDir.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::ui {
namespace {

using Scene = std::function<void(Ui& ui, const std::function<void()>& shoot)>;

struct Size {
  int width;
  int height;
};

// Scales a 240-wide layout value to the screen.
int S(Ui& ui, int v) { return v * std::min(ui.ScreenWidth(), ui.ScreenHeight()) / 240; }

Canvas Swatch(int w, int h, Color a, Color b) {
  Canvas c(w, h, PixelFormat::Rgba, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int dx = 2 * x - w, dy = 2 * y - h;
      if (dx * dx + dy * dy <= w * w) c.SetPixel(x, y, 0xFF000000 | ((x + y) % 8 < 4 ? a : b));
    }
  return c;
}

void ButtonsScene(Ui& ui, const std::function<void()>& shoot) {
  Dialog dialog(ui, u"按钮和文字");
  MenuBar bar;
  bar.Add(u"确定", kIdOk).Add(u"取消", kIdCancel);
  dialog.SetMenuBar(bar);
  dialog.CreateModeless();
  int w = S(ui, 100), h = S(ui, 24), x1 = S(ui, 10), x2 = S(ui, 125), y = S(ui, 8), step = S(ui, 30);
  Button normal, pressed, focused, disabled, check, checked, checkOff, owner;
  normal.Create(&dialog, u"普通", Rect::FromSize(x1, y, w, h), 1);
  pressed.Create(&dialog, u"按下", Rect::FromSize(x2, y, w, h), 2);
  focused.Create(&dialog, u"焦点", Rect::FromSize(x1, y + step, w, h), 3);
  disabled.Create(&dialog, u"禁用", Rect::FromSize(x2, y + step, w, h), 4);
  check.Create(&dialog, u"未选", Rect::FromSize(x1, y + 2 * step, w, h), 5, ButtonStyle::CheckBox);
  checked.Create(&dialog, u"已选中", Rect::FromSize(x2, y + 2 * step, w, h), 6, ButtonStyle::CheckBox);
  checkOff.Create(&dialog, u"禁用选中", Rect::FromSize(x1, y + 3 * step, w, h), 7, ButtonStyle::CheckBox);
  owner.Create(&dialog, u"自绘", Rect::FromSize(x2, y + 3 * step, w, h), 8, ButtonStyle::OwnerDraw);
  owner.SetDrawer([&ui](Canvas& c, const Rect& r, const ButtonState&) {
    c.FillRect(r, Rgb(117, 138, 169));
    c.DrawText(ui.NormalFont(), u"自绘按钮", r, Rgb(255, 255, 255), kAlignCenter | kAlignVCenter);
  });
  checked.SetCheck(true);
  checkOff.SetCheck(true);
  checkOff.Enable(false);
  disabled.Enable(false);
  focused.SetFocus();
  // Pressed as while the pen is down on it.
  ui.PostInput(InputEvent{InputEvent::Type::PenDown, pressed.ToScreen(Point{5, 5}), 0, {}});
  ui.ProcessPending();
  Static single, multi;
  single.Create(&dialog, u"单行静态文字 Static", Rect::FromSize(x1, y + 4 * step, S(ui, 220), h));
  multi.Create(&dialog, u"多行静态文字会按字符宽度自动换行，中文和 English words 混排。",
               Rect::FromSize(x1, y + 5 * step, S(ui, 220), S(ui, 56)), 0, true);
  multi.SetTextColor(Rgb(0, 0, 160));
  ProgressBar progress;
  progress.Create(&dialog, Rect::FromSize(x1, y + 7 * step, S(ui, 220), S(ui, 14)));
  progress.SetPos(60);
  shoot();
  ui.PostInput(InputEvent{InputEvent::Type::PenUp, Point{0, 0}, 0, {}});
  ui.ProcessPending();
}

void EditsScene(Ui& ui, const std::function<void()>& shoot) {
  Dialog dialog(ui, u"输入框");
  dialog.CreateModeless();
  int x = S(ui, 10), w = S(ui, 220), h = S(ui, 24), y = S(ui, 6), step = S(ui, 30);
  Edit plain, password, multi, disabled;
  plain.Create(&dialog, Rect::FromSize(x, y, w, h), 1);
  plain.SetWindowText(u"单行输入 text");
  password.Create(&dialog, Rect::FromSize(x, y + step, w, h), 2, EditStyle{false, true, false, true});
  password.SetWindowText(u"secret");
  disabled.Create(&dialog, Rect::FromSize(x, y + 2 * step, w, h), 3);
  disabled.SetWindowText(u"禁用的输入框");
  disabled.Enable(false);
  multi.Create(&dialog, Rect::FromSize(x, y + 3 * step, w, S(ui, 60)), 4, EditStyle{true, false, false, true});
  multi.SetWindowText(u"多行输入框，文字很长的时候会自动换行，并且出现滚动条。第二句话。第三句话。第四句话。第五句话，第六句话。");
  ComboBox list, editable;
  list.Create(&dialog, Rect::FromSize(x, y + 3 * step + S(ui, 66), w, h), 5);
  list.AddString(u"蓝色经典");
  list.SetCurSel(0);
  editable.Create(&dialog, Rect::FromSize(x, y + 4 * step + S(ui, 66), w, h), 6, ComboStyle::DropDown);
  editable.SetEditText(u"可编辑组合框");
  DateTimePicker date, time;
  date.Create(&dialog, Rect::FromSize(x, y + 5 * step + S(ui, 66), S(ui, 130), h), 7, PickerKind::Date);
  time.Create(&dialog, Rect::FromSize(x, y + 6 * step + S(ui, 66), S(ui, 130), h), 8, PickerKind::Time);
  SystemTime t;
  t.year = 2026;
  t.month = 12;
  t.day = 6;
  t.hour = 8;
  t.minute = 5;
  t.second = 9;
  date.SetTime(t);
  time.SetTime(t);
  time.SelectField(1);
  time.SetFocus();
  shoot();
  plain.SetFocus();
  plain.SetCaret(4);
  shoot();
}

void ListScene(Ui& ui, const std::function<void()>& shoot) {
  Dialog dialog(ui, u"列表");
  dialog.CreateModeless();
  ImageList images(S(ui, 27), S(ui, 22), Rgb(255, 255, 255));
  Color colors[] = {Rgb(40, 90, 200), Rgb(60, 170, 60), Rgb(230, 110, 160), Rgb(130, 130, 130)};
  for (Color c : colors) images.Add(Swatch(27, 22, c, Rgb(255, 255, 255)));
  ListView report;
  Rect client = dialog.ClientRect();
  report.Create(&dialog, Rect{0, 0, client.right, client.bottom / 2}, 1);
  report.InsertColumn(0, u"名称", client.Width() * 3 / 5);
  report.InsertColumn(1, u"大小", client.Width() * 2 / 5 - ui.ScrollBarWidth(), kAlignRight);
  report.SetImageList(&images);
  const char16_t* names[] = {u"蓝色经典", u"绿色心情", u"可爱粉", u"高雅灰", u"酷彩橙", u"咖啡棕", u"玫瑰红"};
  for (int i = 0; i < 7; ++i) {
    report.InsertItem(i, names[i], i % 4);
    report.SetItemText(i, 1, Format(u"%d KB", 12 * (i + 1)));
  }
  report.SetSelected(1);
  report.SetFocus();
  ListView styled;
  styled.Create(&dialog, Rect{0, client.bottom / 2 + 2, client.right, client.bottom}, 2);
  styled.SetShowHeader(false);
  styled.InsertColumn(0, u"", client.Width());
  for (int i = 0; i < 7; ++i) styled.InsertItem(i, names[i]);
  styled.SetSelected(2);
  // The row style the settings lists draw themselves.
  styled.SetCustomDraw([&ui](ListRowDraw& d) {
    d.canvas.FillRect(d.rect, d.selected ? Rgb(117, 138, 169) : theme::kWindow);
    d.canvas.DrawText(ui.NormalFont(), d.list.GetItemText(d.row, 0), d.rect.Inflate(-3, 0),
                      d.selected ? theme::kHighlightText : theme::kButtonText);
    d.canvas.FillRect(Rect{d.rect.left, d.rect.bottom - 1, d.rect.right, d.rect.bottom}, Rgb(187, 187, 187));
    return true;
  });
  shoot();
}

void MenuScene(Ui& ui, const std::function<void()>& shoot) {
  Dialog dialog(ui, u"菜单");
  Menu sub;
  sub.Add(u"蓝色经典", 301).Add(u"绿色心情", 302);
  sub.CheckCommand(301, true);
  Menu popup;
  popup.Add(u"刷新", 201).AddSeparator().AddPopup(u"按钮风格", sub).Add(u"不可用", 203, false);
  MenuBar bar;
  bar.Add(u"返回", 101).AddPopup(u"菜单", popup);
  dialog.SetMenuBar(bar);
  dialog.CreateModeless();
  Static text;
  text.Create(&dialog, u"菜单栏和弹出菜单", Rect::FromSize(S(ui, 10), S(ui, 10), S(ui, 220), S(ui, 24)));
  Rect key = ui.Frame().SoftKeyRect(&dialog, 1);
  PopupMenuWindow menu(ui, popup.Items(), nullptr);
  menu.Place(Point{key.right, key.top}, kPopupBottomRight);
  menu.Show(true);
  ui.BringToTop(&menu);
  menu.OnPenDown(menu.FromScreen(menu.ToScreen(Point{menu.ItemRect(2).left + 4, menu.ItemRect(2).top + 4})));
  shoot();
}

void MessageBoxScene(Ui& ui, const std::function<void()>& shoot) {
  Dialog dialog(ui, u"Tarvo");
  dialog.CreateModeless();
  MessageBoxDialog question(ui, u"翻页按钮将采用该风格。", u"确认", kMbOkCancel | kMbIconQuestion);
  question.CreateModeless();
  shoot();
  question.Destroy();
  MessageBoxDialog error(ui, u"网络连接失败，请检查网络设置后重试。", u"错误", kMbOk | kMbIconError);
  error.CreateModeless();
  shoot();
  error.Destroy();
  MessageBoxDialog info(ui, u"设置成功！", u"提示", kMbOk | kMbIconInformation);
  info.CreateModeless();
  shoot();
  info.Destroy();
  MessageBoxDialog warn(ui, u"拨号连接?", u"Tarvo", kMbYesNo | kMbIconExclamation);
  warn.CreateModeless();
  shoot();
}

void FrameScene(Ui& ui, const std::function<void()>& shoot) {
  Dialog dialog(ui, u"输入法和等待");
  dialog.CreateModeless();
  ComboBox combo;
  combo.Create(&dialog, Rect::FromSize(S(ui, 10), S(ui, 10), S(ui, 220), S(ui, 24)), 1);
  for (const char16_t* s : {u"优酷", u"搜库", u"土豆", u"酷6"}) combo.AddString(s);
  combo.SetCurSel(1);
  combo.ShowDropDown(true);
  combo.DropListView()->SetSelected(2);
  shoot();
  combo.ShowDropDown(false);
  ui.ShowInputPanel(true);
  ui.BeginWaitCursor();
  shoot();
  ui.EndWaitCursor();
  ui.ShowInputPanel(false);
  EnterFullScreen(dialog, true);
  shoot();
}

void FileChooserScene(Ui& ui, const std::function<void()>& shoot) {
  testing::TempDir dir;
  dir.Write("fs/My Documents/蓝.png", *EncodePng(Swatch(40, 40, Rgb(40, 90, 200), Rgb(200, 220, 255))));
  dir.Write("fs/My Documents/绿.png", *EncodePng(Swatch(40, 40, Rgb(60, 170, 60), Rgb(220, 255, 220))));
  dir.Write("fs/My Documents/说明.txt", "x");
  dir.Write("fs/My Documents/相册/a.png", *EncodePng(Swatch(8, 8, Rgb(0, 0, 0), Rgb(255, 0, 0))));
  PhoneFileSystem files(dir.Path() + "/fs");
  FileChooserOptions options;
  options.title = u"选择图片";
  options.filter = u"*.png;*.jpg";
  options.startFolder = u"\\My Documents";
  options.thumbnails = true;
  FileChooserDialog chooser(ui, files, options);
  chooser.CreateModeless();
  shoot();
}

const std::vector<std::pair<std::string, Scene>>& Scenes() {
  static const std::vector<std::pair<std::string, Scene>> kScenes = {
      {"buttons", ButtonsScene}, {"edits", EditsScene},   {"list", ListScene},
      {"menu", MenuScene},       {"messagebox", MessageBoxScene}, {"frame", FrameScene},
      {"filechooser", FileChooserScene}};
  return kScenes;
}

// Renders one scene; returns every shot it took.
std::vector<Canvas> Render(const Scene& scene, Size size) {
  Ui ui(UiOptions::Sized(size.width, size.height));
  std::vector<Canvas> shots;
  scene(ui, [&] {
    ui.InvalidateScreen();
    shots.push_back(ui.RenderScreen());
  });
  return shots;
}

TEST(Gallery, EveryControlRendersAtBothScreenSizes) {
  for (Size size : {Size{240, 320}, Size{480, 800}}) {
    std::string folder = "gallery/" + std::to_string(size.width) + "x" + std::to_string(size.height) + "/";
    for (const auto& [name, scene] : Scenes()) {
      std::vector<Canvas> shots = Render(scene, size);
      ASSERT_FALSE(shots.empty()) << name;
      for (size_t i = 0; i < shots.size(); ++i) {
        EXPECT_EQ(shots[i].Width(), size.width);
        std::string file = folder + name + (shots.size() > 1 ? "_" + std::to_string(i + 1) : "") + ".png";
        EXPECT_TRUE(SavePng(shots[i], file)) << file;
      }
    }
  }
}

TEST(Gallery, RenderingIsTheSameEveryTime) {
  auto first = Render(ListScene, Size{240, 320});
  auto second = Render(ListScene, Size{240, 320});
  ASSERT_EQ(first.size(), second.size());
  EXPECT_TRUE(std::equal(first[0].Pixels(), first[0].Pixels() + 240 * 320, second[0].Pixels()));
}

TEST(GalleryReferences, ButtonsMatchTheReference) {
  EXPECT_TRUE(testing::MatchesReferencePng(Render(ButtonsScene, Size{240, 320})[0], "buttons_240x320.png"));
}

TEST(GalleryReferences, ListsMatchTheReference) {
  EXPECT_TRUE(testing::MatchesReferencePng(Render(ListScene, Size{240, 320})[0], "list_240x320.png"));
}

TEST(GalleryReferences, MessageBoxMatchesTheReference) {
  EXPECT_TRUE(testing::MatchesReferencePng(Render(MessageBoxScene, Size{240, 320})[0], "messagebox_240x320.png"));
}

TEST(GalleryReferences, AMissingReferenceFailsAndWritesTheActualImage) {
  Canvas canvas(4, 4, PixelFormat::Xrgb, 0xFF112233);
  EXPECT_FALSE(testing::MatchesReferencePng(canvas, "no_such_reference.png"));
  HostFileAccess host;
  EXPECT_TRUE(host.FileExists(u"ui-actual/no_such_reference.png"));
}

TEST(GalleryReferences, AMismatchNamesTheFirstDifferingPixel) {
  Canvas canvas = Render(ListScene, Size{240, 320})[0];
  canvas.SetPixel(7, 3, 0xFF010203);
  ::testing::AssertionResult result = testing::MatchesReferencePng(canvas, "list_240x320.png");
  EXPECT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find("(7, 3)"), std::string::npos) << result.message();
}

}  // namespace
}  // namespace tarvo::ui
