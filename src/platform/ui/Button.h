#pragma once
// Buttons: push button, check box and owner-drawn button. A button is
// pressed while the pen is down inside it; releasing inside clicks it
// (kClicked to the parent).
#include <functional>

#include "platform/ui/Window.h"

namespace tarvo::ui {

enum class ButtonStyle { Push, CheckBox, OwnerDraw };

struct ButtonState {
  bool pressed = false;
  bool focused = false;
  bool disabled = false;
  bool checked = false;
};

class Button : public Window {
 public:
  using Drawer = std::function<void(Canvas& canvas, const Rect& rect, const ButtonState& state)>;

  bool Create(Window* parent, WStringView caption, const Rect& rect, int id,
              ButtonStyle style = ButtonStyle::Push);
  ButtonStyle Style() const { return style_; }
  void SetCheck(bool checked);
  bool IsChecked() const { return checked_; }
  bool IsPressed() const { return pressed_; }
  // Draws an owner-drawn button instead of DrawFace.
  void SetDrawer(Drawer drawer) { drawer_ = std::move(drawer); }
  ButtonState State() const;
  // Acts as a tap on the button would.
  void Click();

  bool AcceptsFocus() const override { return true; }
  const char* ControlKind() const override {
    return style_ == ButtonStyle::CheckBox ? "check" : style_ == ButtonStyle::OwnerDraw ? "image button" : "button";
  }
  void OnPaint(Canvas& canvas) override;
  void OnPenDown(Point point) override;
  void OnPenMove(Point point) override;
  void OnPenUp(Point point) override;
  bool OnKeyDown(int key) override;
  void OnCaptureLost() override;
  void OnKillFocus() override { Invalidate(); }
  void OnSetFocus() override { Invalidate(); }

 protected:
  // The face of an owner-drawn button without a drawer; subclasses draw here.
  virtual void DrawFace(Canvas& canvas, const Rect& rect, const ButtonState& state);
  void SetPressed(bool pressed);
  // Ends the press under way without a click.
  void CancelPress();

 private:
  void DrawPush(Canvas& canvas, const ButtonState& state);
  void DrawCheckBox(Canvas& canvas, const ButtonState& state);

  ButtonStyle style_ = ButtonStyle::Push;
  bool checked_ = false;
  bool pressed_ = false;
  bool tracking_ = false;
  Drawer drawer_;
};

}  // namespace tarvo::ui
