#include "launcher/settings/SkinColumnDialog.h"

#include "launcher/settings/ButtonColumn.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo {

SkinColumnDialog::SkinColumnDialog(CTarvoApp& app, WStringView caption, std::vector<WString> captions)
    : ui::Dialog(app.GetUi(), caption), app_(app), captions_(std::move(captions)) {}

SkinColumnDialog::~SkinColumnDialog() = default;

const CSkinButton* SkinColumnDialog::ButtonAt(size_t index) const {
  return index < buttons_.size() ? buttons_[index].get() : nullptr;
}

bool SkinColumnDialog::OnInitDialog() {
  ui::EnterFullScreen(*this, true);
  buttons_ = CreateSkinButtons(this, captions_, kFirstButtonId, app_.Imaging(), app_.ProgramDir, kNormalBitmap,
                               kPressedBitmap);
  PlaceButtons();
  return true;
}

void SkinColumnDialog::PlaceButtons() {
  const auto rects = ButtonColumnRects(app_.Metrics.ResolutionClass, GetUi().ScreenWidth(),
                                       GetUi().ScreenHeight(), static_cast<int>(buttons_.size()));
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->MoveWindow(rects[i]);
}

void SkinColumnDialog::OnPaint(ui::Canvas& canvas) {
  const ui::Rect client = ClientRect();
  const ui::Canvas& background = app_.BackgroundBitmap;
  if (background.Width() > 0 && background.Height() > 0) {
    canvas.Stretch(background, ui::Rect{0, 0, background.Width(), background.Height()}, client);
  } else {
    canvas.FillRect(client, ui::theme::kWindow);
  }
}

bool SkinColumnDialog::OnCommand(int id, int code) {
  const int index = id - kFirstButtonId;
  if (code == ui::kClicked && index >= 0 && index < static_cast<int>(buttons_.size())) {
    OnButton(static_cast<size_t>(index));
    return true;
  }
  return ui::Dialog::OnCommand(id, code);
}

void SkinColumnDialog::OnActivate(bool active) {
  if (active) ui::EnterFullScreen(*this, true);
}

void SkinColumnDialog::OnSettingChange(ui::SettingChange change) {
  ui::Dialog::OnSettingChange(change);
  // Only in front: a screen opened over the hub keeps the bars it needs.
  if (GetUi().ActiveWindow() == this) ui::EnterFullScreen(*this, true);
  PlaceButtons();
  Invalidate();
}

}  // namespace tarvo
