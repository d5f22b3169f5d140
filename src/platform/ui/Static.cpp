#include "platform/ui/Static.h"

#include <algorithm>

#include "platform/ui/Theme.h"

namespace tarvo::ui {

bool Static::Create(Window* parent, WStringView text, const Rect& rect, int id, bool multiLine) {
  multiLine_ = multiLine;
  if (multiLine) align_ = kAlignLeft;
  if (!CreateChild(parent, rect, id)) return false;
  SetText(text);
  return true;
}

void Static::SetAlign(unsigned align) {
  align_ = align;
  Invalidate();
}

void Static::SetTextColor(Color color) {
  textColor_ = color;
  Invalidate();
}

void Static::SetBackground(std::optional<Color> color) {
  background_ = color;
  Invalidate();
}

void Static::OnPaint(Canvas& canvas) {
  if (background_) canvas.FillRect(ClientRect(), *background_);
  Color color = IsEffectivelyEnabled() ? textColor_ : theme::kGrayText;
  if (multiLine_) canvas.DrawTextWrapped(GetFont(), Text(), ClientRect(), color, align_);
  else canvas.DrawText(GetFont(), Text(), ClientRect(), color, align_);
}

bool ProgressBar::Create(Window* parent, const Rect& rect, int id) { return CreateChild(parent, rect, id); }

void ProgressBar::SetRange(int low, int high) {
  if (high < low) std::swap(low, high);
  low_ = low;
  high_ = high;
  pos_ = std::clamp(pos_, low_, high_);
  Invalidate();
}

int ProgressBar::StepIt() {
  int before = pos_;
  int next = pos_ + step_;
  if (next > high_) next = low_ + (next - high_) % std::max(1, high_ - low_);
  if (next < low_) next = low_;
  pos_ = next;
  Invalidate();
  return before;
}

int ProgressBar::SetPos(int pos) {
  int before = pos_;
  pos_ = std::clamp(pos, low_, high_);
  if (pos_ != before) Invalidate();
  return before;
}

void ProgressBar::OnPaint(Canvas& canvas) {
  Rect r = ClientRect();
  canvas.FillRect(r, theme::kWindow);
  canvas.FrameRect(r, theme::kButtonBorder);
  int span = high_ - low_;
  if (span <= 0) return;
  Rect inner = r.Inflate(-2, -2);
  int filled = static_cast<int>(static_cast<int64_t>(inner.Width()) * (pos_ - low_) / span);
  canvas.FillRect(Rect{inner.left, inner.top, inner.left + filled, inner.bottom}, theme::kHighlight);
}

}  // namespace tarvo::ui
