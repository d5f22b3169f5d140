#pragma once
// A dialog: a top-level window with a caption (shown in the top bar) and an
// optional menu bar (shown as soft keys). DoModal runs a nested loop until
// EndDialog; dialogs nest, and the one on top receives the input.
#include <memory>

#include "platform/ui/MenuBar.h"
#include "platform/ui/Window.h"

namespace tarvo::ui {

class Dialog : public Window {
 public:
  explicit Dialog(Ui& ui, WStringView caption = u"");
  ~Dialog() override;

  // Creates the window (OnInitDialog), shows it on top and runs until
  // EndDialog; returns its code, or kIdAbort when the loop was told to quit.
  int DoModal();
  void EndDialog(int code);
  bool IsModalRunning() const { return running_; }
  // Shows the dialog without waiting (for screens that stay open).
  bool CreateModeless();

  // The top bar's "ok" button, the phone's way back: a tap ends the dialog
  // as OnOK does.
  void SetOkButton(bool shown);
  bool ShowsOkButton() const override { return okButton_; }
  void OnOkButton() override { OnOK(); }
  // Enter presses this button (OnCommand(id, kClicked)); with none, Enter
  // does nothing in the dialog itself.
  void SetDefaultButton(int id) { defaultButton_ = id; }
  int DefaultButton() const { return defaultButton_; }

  void SetMenuBar(const MenuBar& menu);
  MenuBar* GetMenuBar() override { return hasMenuBar_ ? &menuBar_ : nullptr; }
  void ShowMenuBar(bool shown);
  bool ShowsMenuBar() const override { return menuBarShown_; }
  bool IsDialog() const override { return true; }
  const char* ControlKind() const override { return "dialog"; }
  Ui& OwnerUi() const { return *owner_; }

  // Where a new dialog goes: the work area less the top bar's height, as
  // EnterFullScreen(false) places it.
  Rect DefaultRect() const;

  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { EndDialog(kIdOk); }
  virtual void OnCancel() { EndDialog(kIdCancel); }
  bool OnKeyDown(int key) override;
  bool OnCommand(int id, int code) override;
  // On rotation the dialog keeps its placement: the whole screen when full
  // screen, else the work area. Screens that override call this first.
  void OnSettingChange(SettingChange change) override;
  void OnPaint(Canvas& canvas) override;

 private:
  bool CreateWindowIfNeeded();

  Ui* owner_;
  WString caption_;
  MenuBar menuBar_;
  bool hasMenuBar_ = false;
  bool okButton_ = false;
  int defaultButton_ = 0;
  bool menuBarShown_ = true;
  bool running_ = false;
  bool ended_ = false;
  int code_ = 0;
};

// Hides (on) or shows the taskbar, input-panel button and Start icon and the
// window's menu bar, and moves the window over the whole screen (on) or to
// the work area's top-left, as high as the work area's bottom less the top
// bar's height.
void EnterFullScreen(Window& window, bool on);

}  // namespace tarvo::ui
