#pragma once
// The base of every video screen: it follows rotations and the soft
// keyboard, keeps the shared screen metrics up to date and lays itself out
// again when either changed; "横竖屏切换" turns the screen.
#include "app/shell/TarvoApp.h"
#include "platform/ui/Dialog.h"

namespace tarvo::video {

class CVirtualDialog : public ui::Dialog {
 public:
  static constexpr int kRotateId = 32790;

  CVirtualDialog(CTarvoApp& app, WStringView caption);

  bool LayoutDirty() const { return layoutDirty_; }
  bool InputPanelOn() const { return inputPanelOn_; }
  bool InputPanelChanged() const { return inputPanelChanged_; }

  void OnSettingChange(ui::SettingChange change) override;
  bool OnCommand(int id, int code) override;

 protected:
  // Places the controls for the current screen size; called after a rotation
  // or a change of the soft keyboard. Clears the layout-dirty flag.
  virtual void LayOut() {}
  void MarkLaidOut() { layoutDirty_ = false; }
  // Asks the display to turn; the rotation comes back as a settings change.
  void RotateScreen();

  CTarvoApp& app_;

 private:
  bool layoutDirty_ = false;
  bool inputPanelOn_ = false;
  bool inputPanelChanged_ = false;
  int orientation_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace tarvo::video
