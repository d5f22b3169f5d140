#include "platform/ui/DateTimePicker.h"

#include <algorithm>

#include "platform/text/Format.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo::ui {
namespace {

constexpr int kMinYear = 1980;
constexpr int kMaxYear = 2099;

int Wrap(int value, int low, int high) {
  int span = high - low + 1;
  return low + ((value - low) % span + span) % span;
}

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  month = std::clamp(month, 1, 12);
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool DateTimePicker::Create(Window* parent, const Rect& rect, int id, PickerKind kind) {
  kind_ = kind;
  SetTime(time_);
  return CreateChild(parent, rect, id);
}

void DateTimePicker::SetTime(const SystemTime& time) {
  time_ = time;
  time_.year = std::clamp(time_.year, kMinYear, kMaxYear);
  time_.month = std::clamp(time_.month, 1, 12);
  time_.day = std::clamp(time_.day, 1, DaysInMonth(time_.year, time_.month));
  time_.hour = std::clamp(time_.hour, 0, 23);
  time_.minute = std::clamp(time_.minute, 0, 59);
  time_.second = std::clamp(time_.second, 0, 59);
  Invalidate();
}

WString DateTimePicker::DisplayText() const {
  if (kind_ == PickerKind::Date) return Format(u"%04d-%02d-%02d", time_.year, time_.month, time_.day);
  return Format(u"%02d:%02d:%02d", time_.hour, time_.minute, time_.second);
}

std::pair<size_t, size_t> DateTimePicker::FieldSpan(int field) const {
  if (kind_ == PickerKind::Date) {
    static constexpr std::pair<size_t, size_t> kSpans[] = {{0, 4}, {5, 7}, {8, 10}};
    return kSpans[std::clamp(field, 0, 2)];
  }
  static constexpr std::pair<size_t, size_t> kSpans[] = {{0, 2}, {3, 5}, {6, 8}};
  return kSpans[std::clamp(field, 0, 2)];
}

void DateTimePicker::SelectField(int field) {
  field_ = std::clamp(field, 0, 2);
  Invalidate();
}

void DateTimePicker::Step(int delta) {
  SystemTime t = time_;
  if (kind_ == PickerKind::Date) {
    if (field_ == 0) t.year = Wrap(t.year + delta, kMinYear, kMaxYear);
    if (field_ == 1) t.month = Wrap(t.month + delta, 1, 12);
    if (field_ == 2) t.day = Wrap(t.day + delta, 1, DaysInMonth(t.year, t.month));
    t.day = std::min(t.day, DaysInMonth(t.year, t.month));
  } else {
    if (field_ == 0) t.hour = Wrap(t.hour + delta, 0, 23);
    if (field_ == 1) t.minute = Wrap(t.minute + delta, 0, 59);
    if (field_ == 2) t.second = Wrap(t.second + delta, 0, 59);
  }
  SetTime(t);
  NotifyParent(kValueChanged);
}

Rect DateTimePicker::SpinRect() const {
  Rect r = ClientRect();
  int w = std::min(r.Width() / 3, r.Height());
  return Rect{r.right - w, r.top, r.right, r.bottom};
}

void DateTimePicker::OnPaint(Canvas& canvas) {
  Rect r = ClientRect();
  bool enabled = IsEffectivelyEnabled();
  canvas.FillRect(r, theme::kWindow);
  canvas.FrameRect(r, theme::kEditBorder);
  const Font& font = GetFont();
  WString text = DisplayText();
  int x = 4;
  Rect textArea{x, 0, SpinRect().left, r.bottom};
  if (HasFocus()) {
    auto [start, end] = FieldSpan(field_);
    int left = x + font.TextWidth(WStringView(text).substr(0, start));
    int width = font.TextWidth(WStringView(text).substr(start, end - start));
    canvas.FillRect(Rect{left, (r.Height() - font.Height()) / 2, left + width, (r.Height() + font.Height()) / 2},
                    theme::kHighlight);
    canvas.DrawText(font, WStringView(text).substr(0, start), textArea, theme::kWindowText);
    canvas.DrawText(font, WStringView(text).substr(start, end - start), Rect{left, 0, textArea.right, r.bottom},
                    theme::kHighlightText);
    canvas.DrawText(font, WStringView(text).substr(end), Rect{left + width, 0, textArea.right, r.bottom},
                    theme::kWindowText);
  } else {
    canvas.DrawText(font, text, textArea, enabled ? theme::kWindowText : theme::kGrayText);
  }
  Rect spin = SpinRect();
  canvas.FillRect(spin.Inflate(-1, -1), theme::kButtonFace);
  canvas.FrameRect(spin, theme::kEditBorder);
  int mid = (spin.top + spin.bottom) / 2;
  canvas.FillRect(Rect{spin.left, mid, spin.right, mid + 1}, theme::kEditBorder);
  int cx = (spin.left + spin.right) / 2, s = std::max(2, spin.Height() / 8);
  for (int d = 0; d <= s; ++d) {
    canvas.DrawLine(Point{cx - d, (spin.top + mid) / 2 - s / 2 + d}, Point{cx + d, (spin.top + mid) / 2 - s / 2 + d},
                    theme::kWindowText);
    canvas.DrawLine(Point{cx - d, (mid + spin.bottom) / 2 + s / 2 - d}, Point{cx + d, (mid + spin.bottom) / 2 + s / 2 - d},
                    theme::kWindowText);
  }
}

void DateTimePicker::OnPenDown(Point point) {
  Rect spin = SpinRect();
  if (spin.Contains(point)) {
    Step(point.y < (spin.top + spin.bottom) / 2 ? 1 : -1);
    return;
  }
  WString text = DisplayText();
  const Font& font = GetFont();
  for (int field = 0; field < 3; ++field) {
    auto [start, end] = FieldSpan(field);
    int right = 4 + font.TextWidth(WStringView(text).substr(0, end));
    // A tap belongs to the first field whose right edge (and separator) lies beyond it.
    if (point.x < right + font.CharWidth(U'-') || field == 2) {
      SelectField(field);
      return;
    }
  }
}

bool DateTimePicker::OnKeyDown(int key) {
  switch (key) {
    case keys::kUp: Step(1); return true;
    case keys::kDown: Step(-1); return true;
    case keys::kLeft: SelectField(std::max(0, field_ - 1)); return true;
    case keys::kRight: SelectField(std::min(2, field_ + 1)); return true;
    default: return false;
  }
}

}  // namespace tarvo::ui
