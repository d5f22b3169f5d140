#include "platform/ui/Button.h"

#include <algorithm>

#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo::ui {

bool Button::Create(Window* parent, WStringView caption, const Rect& rect, int id, ButtonStyle style) {
  style_ = style;
  if (!CreateChild(parent, rect, id)) return false;
  SetText(caption);
  return true;
}

void Button::SetCheck(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Invalidate();
}

void Button::SetPressed(bool pressed) {
  if (pressed_ == pressed) return;
  pressed_ = pressed;
  Invalidate();
}

ButtonState Button::State() const {
  return ButtonState{pressed_, HasFocus(), !IsEffectivelyEnabled(), checked_};
}

void Button::Click() {
  if (style_ == ButtonStyle::CheckBox) SetCheck(!checked_);
  NotifyParent(kClicked);
}

void Button::OnPaint(Canvas& canvas) {
  ButtonState state = State();
  if (style_ == ButtonStyle::OwnerDraw) {
    if (drawer_) drawer_(canvas, ClientRect(), state);
    else DrawFace(canvas, ClientRect(), state);
    return;
  }
  if (style_ == ButtonStyle::CheckBox) DrawCheckBox(canvas, state);
  else DrawPush(canvas, state);
}

void Button::DrawFace(Canvas& canvas, const Rect& rect, const ButtonState&) {
  canvas.FillRect(rect, theme::kWindow);
}

void Button::DrawPush(Canvas& canvas, const ButtonState& state) {
  Rect r = ClientRect();
  canvas.FillRect(r, state.pressed ? theme::kButtonPressed : theme::kButtonFace);
  canvas.FrameRect(r, theme::kButtonBorder);
  Color text = state.disabled ? theme::kGrayText : state.pressed ? theme::kHighlightText : theme::kButtonText;
  canvas.DrawText(GetFont(), Text(), r.Inflate(-2, 0), text, kAlignCenter | kAlignVCenter);
  if (state.focused && !state.pressed) canvas.DrawFocusRect(r.Inflate(-2, -2));
}

void Button::DrawCheckBox(Canvas& canvas, const ButtonState& state) {
  Rect r = ClientRect();
  canvas.FillRect(r, theme::kWindow);
  int box = std::min(r.Height() - 2, GetFont().Height() * 3 / 4);
  Rect square = Rect::FromSize(1, (r.Height() - box) / 2, box, box);
  canvas.FillRect(square, state.pressed ? theme::kButtonFace : theme::kWindow);
  canvas.FrameRect(square, state.disabled ? theme::kGrayText : theme::kButtonBorder);
  if (state.checked) {
    // A tick drawn thick enough to read at every size.
    Color tick = state.disabled ? theme::kGrayText : theme::kWindowText;
    int s = box;
    for (int t = 0; t < std::max(2, s / 8); ++t) {
      canvas.DrawLine(Point{square.left + s / 5, square.top + s / 2 + t},
                      Point{square.left + s * 2 / 5, square.top + s * 3 / 4 + t}, tick);
      canvas.DrawLine(Point{square.left + s * 2 / 5, square.top + s * 3 / 4 + t},
                      Point{square.left + s * 4 / 5, square.top + s / 4 + t}, tick);
    }
  }
  Rect textRect{square.right + box / 3, 0, r.right, r.bottom};
  canvas.DrawText(GetFont(), Text(), textRect, state.disabled ? theme::kGrayText : theme::kWindowText,
                  kAlignLeft | kAlignVCenter);
  if (state.focused) {
    int w = std::min(textRect.Width(), GetFont().TextWidth(Text()) + 4);
    canvas.DrawFocusRect(Rect{textRect.left - 2, 0, textRect.left - 2 + w, r.bottom});
  }
}

void Button::OnPenDown(Point) {
  tracking_ = true;
  SetPressed(true);
}

void Button::OnPenMove(Point point) {
  if (tracking_) SetPressed(ClientRect().Contains(point));
}

void Button::OnPenUp(Point point) {
  if (!tracking_) return;
  tracking_ = false;
  SetPressed(false);
  if (ClientRect().Contains(point)) Click();
}

void Button::CancelPress() {
  tracking_ = false;
  SetPressed(false);
}

void Button::OnCaptureLost() {
  tracking_ = false;
  SetPressed(false);
}

bool Button::OnKeyDown(int key) {
  if (key == keys::kReturn) {
    Click();
    return true;
  }
  return false;
}

}  // namespace tarvo::ui
