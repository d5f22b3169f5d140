#include "launcher/settings/CMainMenuSet.h"

#include "launcher/controls/ButtonRow.h"
#include "launcher/controls/RowStyle.h"
#include "launcher/settings/TemplateSwitch.h"
#include "platform/ui/FileChooser.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"

namespace tarvo {
namespace {

constexpr size_t kPathCapacity = 260;

}  // namespace

CMainMenuSet::CMainMenuSet(CTarvoApp& app) : ui::Dialog(app.GetUi(), kCaption), app_(app) {}

CMainMenuSet::~CMainMenuSet() = default;

bool CMainMenuSet::OnInitDialog() {
  ui::MenuBar bar;
  bar.Add(u"更换背景", kChangeBackgroundId);
  bar.AddPopup(u"菜单", ui::Menu()
                            .Add(u"普通模式", kNormalTemplateId)
                            .Add(u"办公模式", kOfficeTemplateId));
  SetMenuBar(bar);
  SetOkButton(true);
  list_.Create(this, ui::Rect{}, kListId);
  list_.SetShowHeader(false);
  list_.SetFullRowSelect(true);
  list_.SetRowHeight(app_.Metrics.TextHeight * 3 / 2);
  list_.InsertColumn(0, u"", app_.Metrics.ScreenWidth - app_.Metrics.ScrollBarWidth);
  const RowStyle style = SettingsRowStyle();
  list_.SetCustomDraw([style](ui::ListRowDraw& draw) { return DrawStyledRow(draw, style); });
  buttons_ = CreateSkinButtons(this, {u"上移", u"下移", u"添加", u"删除", u"默认"}, kMoveUpId, app_.Imaging(),
                               app_.ProgramDir, kNormalBitmap, kPressedBitmap);
  PlaceControls();
  FillList();
  return true;
}

// The buttons sit along the bottom of the dialog's own area (under the
// menu bar they could not be reached), the list fills the rest.
void CMainMenuSet::PlaceControls() {
  if (!list_.IsCreated()) return;
  const ui::Rect client = ClientRect();
  const auto rects = BottomButtonRow(client, static_cast<int>(buttons_.size()), 3 * app_.Metrics.CharWidth,
                                     app_.Metrics.ButtonHeight);
  list_.MoveWindow(ui::Rect{0, 0, client.right, rects[0].top});
  // One column as wide as the screen less the scroll bar, also after a rotation.
  list_.SetColumnWidth(0, GetUi().ScreenWidth() - app_.Metrics.ScrollBarWidth);
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->MoveWindow(rects[i]);
}

void CMainMenuSet::OnSize() { PlaceControls(); }

void CMainMenuSet::FillList() {
  list_.DeleteAllItems();
  for (const LauncherItem& item : app_.LauncherItems) list_.InsertItem(list_.ItemCount(), item.Title);
  selected_ = -1;
  list_.SetSelected(-1);
}

void CMainMenuSet::Select(int row) {
  selected_ = row;
  list_.SetSelected(row);
  if (row >= 0) list_.EnsureVisible(row);
}

void CMainMenuSet::Inform(WStringView text) {
  ui::MessageBox(this, text, u"提示", ui::kMbOk | ui::kMbIconInformation);
}

bool CMainMenuSet::OnCommand(int id, int code) {
  if (id == kListId) {
    if (code == ui::kSelectionChanged || code == ui::kItemActivated) selected_ = list_.GetSelected();
    return true;
  }
  switch (id) {
    case kMoveUpId: Move(-1); return true;
    case kMoveDownId: Move(1); return true;
    case kAddId: Add(); return true;
    case kDeleteId: Delete(); return true;
    case kDefaultId: RestoreDefaults(); return true;
    case kChangeBackgroundId: ChangeBackground(); return true;
    case kNormalTemplateId: SwitchTemplateFromMenu(0); return true;
    case kOfficeTemplateId: SwitchTemplateFromMenu(1); return true;
    default: return ui::Dialog::OnCommand(id, code);
  }
}

void CMainMenuSet::Move(int step) {
  const bool up = step < 0;
  switch (app_.ItemEditor().Move(selected_, step)) {
    case MoveOutcome::kNoSelection:
      Inform(up ? u"请选择一项再上移!" : u"请选择一项再下移!");
      return;
    case MoveOutcome::kAtEdge:
      Inform(up ? u"已经位于第一行!" : u"已经位于最末行!");
      return;
    case MoveOutcome::kMoved:
      break;
  }
  const int other = selected_ + step;
  const WString text = list_.GetItemText(selected_, 0);
  list_.SetItemText(selected_, 0, list_.GetItemText(other, 0));
  list_.SetItemText(other, 0, text);
  Select(other);
  app_.LauncherChanged = true;
}

void CMainMenuSet::Delete() {
  const int row = selected_;
  int next = -1;
  switch (app_.ItemEditor().Delete(row, next)) {
    case DeleteOutcome::kNoSelection:
      // An earlier change in this visit still needs the launcher's relayout.
      Inform(u"请选择一项再删除!");
      return;
    case DeleteOutcome::kProtected:
      ui::MessageBox(this, u"警告：此项不可删除！", u"Tarvo", ui::kMbOk);
      return;
    case DeleteOutcome::kDeleted:
      break;
  }
  list_.DeleteItem(row);
  Select(next);
  app_.LauncherChanged = true;
}

void CMainMenuSet::Add() {
  ui::FileChooserOptions options;
  options.title = u"选择需要添加的程序";
  options.filter = u"*.*";
  options.startFolder = kProgramsFolder;
  auto path = ui::ChooseFile(GetUi(), app_.GetDevice().Files(), options);
  // The phone's chooser has room for 259 characters; a longer path is no choice.
  if (!path || path->size() >= kPathCapacity) return;
  const int row = list_.InsertItem(list_.ItemCount(), app_.ItemEditor().Add(*path));
  list_.EnsureVisible(row);
  app_.LauncherChanged = true;
}

void CMainMenuSet::RestoreDefaults() {
  // A No keeps the record of earlier changes in this visit.
  if (ui::MessageBox(this, u"确定要恢复默认菜单布局吗？", u"Tarvo", ui::kMbYesNo | ui::kMbIconQuestion) !=
      ui::kIdYes)
    return;
  {
    ui::WaitCursorHold wait(GetUi());
    app_.ItemEditor().RestoreDefaults(app_.TemplateStyle());
    FillList();
    app_.LauncherChanged = true;
  }
  ui::MessageBox(this, u"已成功恢复默认菜单布局。", u"Tarvo", ui::kMbOk);
}

void CMainMenuSet::ChangeBackground() {
  ui::FileChooserOptions options;
  options.title = u"选择图片";
  options.filter = u"*.*";
  options.thumbnails = true;
  auto path = ui::ChooseFile(GetUi(), app_.GetDevice().Files(), options);
  if (!path || path->size() >= kPathCapacity) return;
  auto picture = [&] {
    ui::WaitCursorHold wait(GetUi());
    return app_.Imaging().Load(*path);
  }();
  if (!picture) {
    ui::MessageBox(this, u"图片加载失败，可能图片尺寸太大或格式不正确！", u"Tarvo", ui::kMbOk);
    return;
  }
  app_.BackgroundBitmap = std::move(*picture);
  app_.Config().WriteString(u"MainMenuBackImage", u"path", *path, app_.ConfigPath);
  ui::MessageBox(this, u"更换背景成功！", u"Tarvo", ui::kMbOk);
}

void CMainMenuSet::SwitchTemplateFromMenu(int target) {
  if (SwitchTemplate(app_, this, target)) FillList();
}

}  // namespace tarvo
