#include "launcher/settings/CButtonStyleSet.h"

#include "launcher/controls/PageButtons.h"
#include "launcher/controls/RowStyle.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"

namespace tarvo {

CButtonStyleSet::CButtonStyleSet(CTarvoApp& app) : ui::Dialog(app.GetUi(), kCaption), app_(app) {}

CButtonStyleSet::~CButtonStyleSet() = default;

bool CButtonStyleSet::OnInitDialog() {
  SetOkButton(true);
  const ScreenMetrics& metrics = app_.Metrics;
  label_.Create(this, u"视频搜索和笑口常开的按钮风格：", ui::Rect{}, kLabelId);
  list_.Create(this, ui::Rect{}, kListId);
  list_.SetShowHeader(false);
  list_.SetFullRowSelect(true);
  list_.InsertColumn(0, u"", metrics.ScreenWidth - metrics.ScrollBarWidth);
  const bool large = metrics.IconSize == 90;
  pictures_ = std::make_unique<ui::ImageList>(large ? 54 : 27, large ? 44 : 22, ui::Rgb(255, 255, 255));
  list_.SetImageList(pictures_.get());
  const RowStyle style = SettingsRowStyle();
  list_.SetCustomDraw([style](ui::ListRowDraw& draw) { return DrawStyledRow(draw, style); });
  for (size_t i = 0; i < kPageButtonStyles.size(); ++i) {
    int image = -1;
    const auto path = PageButtonStylePreview(static_cast<int>(i), metrics.ResolutionClass, app_.ProgramDir);
    if (auto picture = path ? app_.Imaging().Load(*path) : std::nullopt) image = pictures_->Add(*picture);
    list_.InsertItem(static_cast<int>(i), kPageButtonStyles[i].name, image);
  }
  const int current = EnsurePageButtonStyle(app_.Metrics, app_.Config(), app_.ConfigPath);
  if (current >= 0 && current < list_.ItemCount()) list_.SetSelected(current);
  PlaceControls();
  return true;
}

void CButtonStyleSet::PlaceControls() {
  if (!list_.IsCreated()) return;
  const ui::Rect client = ClientRect();
  const int labelHeight = app_.Metrics.TextHeight * 3 / 2;
  label_.MoveWindow(ui::Rect{0, 0, client.right, labelHeight});
  list_.MoveWindow(ui::Rect{0, labelHeight, client.right, client.bottom});
  // One column as wide as the screen less the scroll bar, also after a rotation.
  list_.SetColumnWidth(0, GetUi().ScreenWidth() - app_.Metrics.ScrollBarWidth);
}

void CButtonStyleSet::OnSize() { PlaceControls(); }

bool CButtonStyleSet::OnCommand(int id, int code) {
  if (id == kListId) {
    if (code == ui::kItemActivated) Choose(list_.GetSelected());
    return true;
  }
  return ui::Dialog::OnCommand(id, code);
}

void CButtonStyleSet::Choose(int row) {
  if (row < 0 || row >= static_cast<int>(kPageButtonStyles.size())) return;
  if (ui::MessageBox(this, u"翻页按钮将采用该风格。", u"确认", ui::kMbOkCancel | ui::kMbIconQuestion) != ui::kIdOk)
    return;
  app_.Metrics.PageButtonStyle = row;
  app_.Config().WriteInt(u"PageButtonStyle", u"style", row, app_.ConfigPath);
  ui::MessageBox(this, u"设置成功！", u"Tarvo", ui::kMbOk);
}

}  // namespace tarvo
