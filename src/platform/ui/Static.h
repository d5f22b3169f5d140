#pragma once
// Static text: one line or wrapped lines, left or centred, in a colour, on
// the window colour or transparent over the parent.
#include <optional>

#include "platform/ui/Window.h"

namespace tarvo::ui {

class Static : public Window {
 public:
  bool Create(Window* parent, WStringView text, const Rect& rect, int id = 0, bool multiLine = false);
  void SetAlign(unsigned align);
  void SetTextColor(Color color);
  // None draws the text straight over whatever the parent painted.
  void SetBackground(std::optional<Color> color);
  bool IsMultiLine() const { return multiLine_; }
  const char* ControlKind() const override { return "static"; }
  void OnPaint(Canvas& canvas) override;

 private:
  bool multiLine_ = false;
  unsigned align_ = kAlignLeft | kAlignVCenter;
  Color textColor_ = 0;
  std::optional<Color> background_ = Color{0xFFFFFF};
};

class ProgressBar : public Window {
 public:
  bool Create(Window* parent, const Rect& rect, int id = 0);
  void SetRange(int low, int high);
  void SetStep(int step) { step_ = step; }
  // Moves by the step, wrapping to the start past the end, as the phone does.
  int StepIt();
  // Clamped to the range; returns the previous position.
  int SetPos(int pos);
  int GetPos() const { return pos_; }
  int Low() const { return low_; }
  int High() const { return high_; }
  const char* ControlKind() const override { return "progress"; }
  void OnPaint(Canvas& canvas) override;

 private:
  int low_ = 0;
  int high_ = 100;
  int step_ = 10;
  int pos_ = 0;
};

}  // namespace tarvo::ui
