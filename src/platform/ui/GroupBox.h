#pragma once
// A group frame: a rectangle with its caption set into the top edge. It only
// draws; the controls it groups are its parent's children placed over it
// (create it before them so that they paint above it and take the taps).
#include "platform/ui/Window.h"

namespace tarvo::ui {

class GroupBox : public Window {
 public:
  bool Create(Window* parent, WStringView caption, const Rect& rect, int id = 0);
  // The part of the box below the caption and inside the frame, in the
  // parent's coordinates, less `margin` on every side.
  Rect InnerRect(int margin) const;
  const char* ControlKind() const override { return "group"; }
  void OnPaint(Canvas& canvas) override;
};

}  // namespace tarvo::ui
