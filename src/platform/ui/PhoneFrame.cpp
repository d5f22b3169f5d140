#include "platform/ui/PhoneFrame.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/MenuBar.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"
#include "platform/ui/Window.h"

namespace tarvo::ui {
namespace {

constexpr int kBaseBarHeight = 23;
constexpr int kBaseInputPanelHeight = 80;
constexpr int kBaseWidth = 240;
constexpr char16_t kStartCaption[] = u"开始";
constexpr char16_t kKeyboardRows[][11] = {u"1234567890", u"qwertyuiop", u"asdfghjkl", u"zxcvbnm"};

}  // namespace

void PhoneFrame::SetScreen(int width, int height) {
  width_ = width;
  height_ = height;
}

int PhoneFrame::Scaled(int base) const {
  int shorter = std::min(width_, height_);
  return static_cast<int>(std::lround(base * static_cast<double>(shorter) / kBaseWidth));
}

int PhoneFrame::TopBarHeight() const { return Scaled(kBaseBarHeight); }
int PhoneFrame::BottomBarHeight() const { return Scaled(kBaseBarHeight); }
int PhoneFrame::InputPanelHeight() const { return Scaled(kBaseInputPanelHeight); }

Rect PhoneFrame::WorkArea() const {
  return Rect{0, TopBarHeight(), width_, height_ - BottomBarHeight()};
}

Rect PhoneFrame::TopBarRect() const {
  if (!taskbarShown_) return Rect{};
  return Rect{0, 0, width_, TopBarHeight()};
}

Rect PhoneFrame::OkButtonRect(Window* active) const {
  Rect top = TopBarRect();
  if (top.IsEmpty() || active == nullptr || !active->ShowsOkButton()) return Rect{};
  int width = top.Height() * 3 / 2;
  int margin = Scaled(2);
  return Rect{top.right - width - margin, top.top + margin, top.right - margin, top.bottom - margin};
}

Rect PhoneFrame::BottomBarRect(Window* active) const {
  if (active == nullptr || !active->ShowsMenuBar()) return Rect{};
  return Rect{0, height_ - BottomBarHeight(), width_, height_};
}

Rect PhoneFrame::InputPanelRect(Window* active) const {
  if (!inputPanelShown_) return Rect{};
  Rect bar = BottomBarRect(active);
  int bottom = bar.IsEmpty() ? height_ : bar.top;
  return Rect{0, bottom - InputPanelHeight(), width_, bottom};
}

Rect PhoneFrame::SoftKeyRect(Window* active, size_t index) const {
  Rect bar = BottomBarRect(active);
  MenuBar* menu = active != nullptr ? active->GetMenuBar() : nullptr;
  if (bar.IsEmpty() || menu == nullptr || index >= menu->Items().size()) return Rect{};
  // The middle of the bar keeps room for the input-panel button.
  int button = bar.Height() * 3 / 2;
  // Two soft keys at least: one item keeps to the left half.
  int count = std::max(2, static_cast<int>(menu->Items().size()));
  int usable = bar.Width() - button;
  int each = usable / count;
  int left = static_cast<int>(index) * each;
  if (static_cast<int>(index) >= (count + 1) / 2) left += button;
  return Rect{left, bar.top, left + each, bar.bottom};
}

void PhoneFrame::Draw(Canvas& canvas, Window* active, const Font& font) const {
  Rect top = TopBarRect();
  if (!top.IsEmpty()) {
    canvas.FillRect(top, theme::kTaskbar);
    int pad = Scaled(4);
    Rect text = top.Inflate(-pad, 0);
    if (startIconShown_) {
      // Our start mark: a light ring around a dot.
      int mark = top.Height() - 2 * Scaled(5);
      Rect icon = Rect::FromSize(pad, (top.Height() - mark) / 2, mark, mark);
      canvas.FrameRect(icon, theme::kTaskbarText);
      canvas.FrameRect(icon.Inflate(-1, -1), theme::kTaskbarText);
      int dot = std::max(2, mark / 3);
      canvas.FillRect(Rect::FromSize(icon.left + (mark - dot) / 2, icon.top + (mark - dot) / 2, dot, dot),
                      theme::kTaskbarText);
      text.left = icon.right + pad;
    }
    Rect ok = OkButtonRect(active);
    if (!ok.IsEmpty()) {
      canvas.FrameRect(ok, theme::kTaskbarText);
      canvas.DrawText(font, u"ok", ok, theme::kTaskbarText, kAlignCenter | kAlignVCenter);
      text.right = ok.left - pad;
    }
    WString caption = active != nullptr ? active->Text() : WString(kStartCaption);
    canvas.DrawText(font, caption, text, theme::kTaskbarText, kAlignLeft | kAlignVCenter);
  }
  Rect bottom = BottomBarRect(active);
  if (!bottom.IsEmpty()) {
    canvas.FillRect(bottom, theme::kMenuBar);
    canvas.FillRect(Rect{bottom.left, bottom.top, bottom.right, bottom.top + 1}, theme::kTaskbar);
    MenuBar* menu = active->GetMenuBar();
    if (menu != nullptr) {
      for (size_t i = 0; i < menu->Items().size(); ++i) {
        const MenuItem& item = menu->Items()[i];
        canvas.DrawText(font, item.caption, SoftKeyRect(active, i),
                        item.enabled ? theme::kMenuBarText : theme::kGrayText, kAlignCenter | kAlignVCenter);
      }
    }
    if (sipButtonShown_) {
      int w = bottom.Height() * 3 / 2;
      Rect key = Rect::FromSize((bottom.Width() - w) / 2 + Scaled(3), bottom.top + Scaled(6), w - Scaled(6),
                                bottom.Height() - Scaled(11));
      canvas.FillRect(key, inputPanelShown_ ? theme::kHighlight : theme::kWindow);
      canvas.FrameRect(key, theme::kTaskbar);
      for (int i = 1; i < 4; ++i) {
        int x = key.left + key.Width() * i / 4;
        canvas.DrawLine(Point{x, key.top + 2}, Point{x, key.bottom - 3}, theme::kButtonBorder);
      }
    }
  }
  Rect panel = InputPanelRect(active);
  if (!panel.IsEmpty()) {
    canvas.FillRect(panel, theme::kInputPanel);
    int rows = 4;
    int rowHeight = panel.Height() / rows;
    int keyWidth = panel.Width() / 10;
    for (int r = 0; r < rows; ++r) {
      WStringView keys(kKeyboardRows[r]);
      int indent = (panel.Width() - keyWidth * static_cast<int>(keys.size())) / 2;
      for (size_t k = 0; k < keys.size(); ++k) {
        Rect cell = Rect::FromSize(panel.left + indent + static_cast<int>(k) * keyWidth,
                                   panel.top + r * rowHeight, keyWidth, rowHeight)
                        .Inflate(-1, -1);
        canvas.FillRect(cell, theme::kWindow);
        canvas.DrawText(font, keys.substr(k, 1), cell, theme::kWindowText, kAlignCenter | kAlignVCenter);
      }
    }
  }
}

bool PhoneFrame::HandleTap(Ui& ui, Window* active, Point point) {
  if (TopBarRect().Contains(point)) {
    // Only while nothing (a message box) sits over the frame's owner.
    if (OkButtonRect(active).Contains(point) && ui.ActiveWindow() == active) active->OnOkButton();
    return true;
  }
  Rect bottom = BottomBarRect(active);
  if (bottom.Contains(point)) {
    MenuBar* menu = active->GetMenuBar();
    if (menu != nullptr) {
      for (size_t i = 0; i < menu->Items().size(); ++i) {
        if (SoftKeyRect(active, i).Contains(point)) {
          menu->ActivateItem(*active, i, SoftKeyRect(active, i));
          return true;
        }
      }
    }
    int w = bottom.Height() * 3 / 2;
    if (sipButtonShown_ && point.x >= (bottom.Width() - w) / 2 && point.x < (bottom.Width() + w) / 2)
      ui.ShowInputPanel(!inputPanelShown_);
    return true;
  }
  return InputPanelRect(active).Contains(point);
}

}  // namespace tarvo::ui
