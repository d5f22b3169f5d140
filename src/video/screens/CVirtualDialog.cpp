#include "video/screens/CVirtualDialog.h"

#include "platform/ui/Ui.h"
#include "tools/SystemHelpers.h"

namespace tarvo::video {

CVirtualDialog::CVirtualDialog(CTarvoApp& app, WStringView caption)
    : ui::Dialog(app.GetUi(), caption),
      app_(app),
      orientation_(app.GetDevice().Display().Orientation()),
      width_(app.GetUi().ScreenWidth()),
      height_(app.GetUi().ScreenHeight()) {}

void CVirtualDialog::OnSettingChange(ui::SettingChange change) {
  ui::Dialog::OnSettingChange(change);
  ui::Ui& ui = GetUi();
  ScreenMetrics& metrics = app_.Metrics;
  const int orientation = app_.GetDevice().Display().Orientation();
  // The launcher may have taken the new size into the metrics already: the
  // screen's own last size tells whether this dialog has seen the turn.
  const bool turned = change == ui::SettingChange::Rotation &&
                      (orientation != orientation_ || width_ != ui.ScreenWidth() || height_ != ui.ScreenHeight());
  if (turned) {
    orientation_ = orientation;
    width_ = ui.ScreenWidth();
    height_ = ui.ScreenHeight();
    layoutDirty_ = true;
    metrics.ScreenWidth = ui.ScreenWidth();
    metrics.ScreenHeight = ui.ScreenHeight();
  }
  const bool panelOn = ui.Frame().InputPanelShown();
  const ui::Rect work = ui.Frame().WorkArea();
  const int visible = (work.bottom - work.top) - (panelOn ? ui.Frame().InputPanelHeight() : 0);
  if (visible != metrics.VisibleDesktopHeight) metrics.VisibleDesktopHeight = visible;
  inputPanelChanged_ = panelOn != inputPanelOn_;
  inputPanelOn_ = panelOn;
  if (layoutDirty_ || inputPanelChanged_) {
    LayOut();
    layoutDirty_ = false;
    Invalidate();
    UpdateWindow();
  }
}

void CVirtualDialog::RotateScreen() { SwitchOrientation(app_.GetDevice().Display()); }

bool CVirtualDialog::OnCommand(int id, int code) {
  if (id == kRotateId) {
    RotateScreen();
    return true;
  }
  return ui::Dialog::OnCommand(id, code);
}

}  // namespace tarvo::video
