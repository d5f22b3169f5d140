#pragma once
// The phone's frame around the windows: the top bar (taskbar with the active
// dialog's caption), the bottom bar (the active dialog's menu bar as soft
// keys, with the input-panel button) and the input panel (soft keyboard
// area). Bar heights follow the screen: 23 pixels at 240 wide.
#include "platform/ui/Canvas.h"

namespace tarvo::ui {

class Ui;
class Window;

class PhoneFrame {
 public:
  void SetScreen(int width, int height);

  int TopBarHeight() const;
  int BottomBarHeight() const;
  int InputPanelHeight() const;

  bool TaskbarShown() const { return taskbarShown_; }
  void SetTaskbarShown(bool shown) { taskbarShown_ = shown; }
  bool SipButtonShown() const { return sipButtonShown_; }
  void SetSipButtonShown(bool shown) { sipButtonShown_ = shown; }
  bool StartIconShown() const { return startIconShown_; }
  void SetStartIconShown(bool shown) { startIconShown_ = shown; }
  bool InputPanelShown() const { return inputPanelShown_; }
  void SetInputPanelShown(bool shown) { inputPanelShown_ = shown; }

  // The screen less the top and bottom bars.
  Rect WorkArea() const;
  Rect TopBarRect() const;
  // The top bar's "ok" button of active; empty when it shows none.
  Rect OkButtonRect(Window* active) const;
  // Empty when active shows no menu bar.
  Rect BottomBarRect(Window* active) const;
  Rect InputPanelRect(Window* active) const;
  // The soft-key rectangle of menu bar item index (in screen coordinates).
  Rect SoftKeyRect(Window* active, size_t index) const;

  void Draw(Canvas& canvas, Window* active, const Font& font) const;
  // A tap on the frame: soft keys, the input-panel button. True when the
  // point was on the frame (the windows below do not get it).
  bool HandleTap(Ui& ui, Window* active, Point point);

 private:
  int Scaled(int base) const;

  int width_ = 240;
  int height_ = 320;
  bool taskbarShown_ = true;
  bool sipButtonShown_ = true;
  bool startIconShown_ = true;
  bool inputPanelShown_ = false;
};

}  // namespace tarvo::ui
