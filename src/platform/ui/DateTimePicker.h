#pragma once
// Date picker ("2026-12-06") and time picker ("08:05:09"). A tap selects a
// field; the up/down keys, or a tap on the upper or lower half of the spin
// area at the right, change it. Days stay within their month. Changes send
// kValueChanged.
#include "platform/device/DeviceClock.h"
#include "platform/ui/Window.h"

namespace tarvo::ui {

enum class PickerKind { Date, Time };

class DateTimePicker : public Window {
 public:
  bool Create(Window* parent, const Rect& rect, int id, PickerKind kind);
  PickerKind Kind() const { return kind_; }
  // Out-of-range fields are brought into range.
  void SetTime(const SystemTime& time);
  const SystemTime& GetTime() const { return time_; }
  WString DisplayText() const;
  int SelectedField() const { return field_; }
  void SelectField(int field);
  // Adds delta to the selected field, wrapping within its range.
  void Step(int delta);

  bool AcceptsFocus() const override { return true; }
  const char* ControlKind() const override { return "picker"; }
  WString ShownText() const override { return DisplayText(); }
  void OnPaint(Canvas& canvas) override;
  void OnPenDown(Point point) override;
  bool OnKeyDown(int key) override;
  void OnSetFocus() override { Invalidate(); }
  void OnKillFocus() override { Invalidate(); }

 private:
  Rect SpinRect() const;
  // Text positions [start, end) of field i in DisplayText.
  std::pair<size_t, size_t> FieldSpan(int field) const;

  PickerKind kind_ = PickerKind::Date;
  SystemTime time_;
  int field_ = 0;
};

int DaysInMonth(int year, int month);

}  // namespace tarvo::ui
