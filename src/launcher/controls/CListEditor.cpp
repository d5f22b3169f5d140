#include "launcher/controls/CListEditor.h"

#include "launcher/controls/ButtonRow.h"
#include "launcher/controls/CEntryDialog.h"
#include "launcher/controls/JoinedRow.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"

namespace tarvo {

CListEditor::CListEditor(ui::Ui& ui, WStringView caption, Look look) : ui::Dialog(ui, caption), look_(std::move(look)) {}

CListEditor::~CListEditor() = default;

bool CListEditor::OnInitDialog() {
  SetOkButton(true);
  list_.Create(this, ui::Rect{}, look_.listId);
  list_.SetFullRowSelect(true);
  list_.SetRowHeight(look_.metrics.TextHeight * 3 / 2);
  list_.InsertColumn(0, look_.firstColumn, look_.metrics.FirstColumnWidth);
  list_.InsertColumn(1, look_.secondColumn, 0);
  const RowStyle style = SettingsRowStyle();
  list_.SetCustomDraw([this, style](ui::ListRowDraw& draw) {
    return DrawJoinedRow(draw, style, GetUi().ScreenWidth() - look_.metrics.ScrollBarWidth);
  });
  buttons_ = CreateSkinButtons(this, {u"上移", u"下移", u"添加", u"删除", u"修改"},
                               std::vector<int>{kMoveUpId, kMoveDownId, kAddId, kDeleteId, kModifyId}, look_.imaging,
                               look_.programDir, kNormalBitmap, kPressedBitmap);
  PlaceControls();
  FillRows();
  if (list_.ItemCount() > 0) list_.EnsureVisible(0);  // filling scrolled to the last row
  return true;
}

void CListEditor::PlaceControls() {
  if (!list_.IsCreated()) return;
  const ui::Rect client = ClientRect();
  auto rects = BottomButtonRow(client, static_cast<int>(buttons_.size()), 3 * look_.metrics.CharWidth,
                               look_.metrics.ButtonHeight);
  int listBottom = rects[0].top;
  if (look_.yieldsToInputPanel && GetUi().Frame().InputPanelShown()) {
    // The buttons stay right under the shortened list.
    listBottom = std::max(0, listBottom - GetUi().Frame().InputPanelHeight());
    for (ui::Rect& r : rects) r = ui::Rect{r.left, listBottom, r.right, listBottom + r.Height()};
  }
  list_.MoveWindow(ui::Rect{0, 0, client.right, listBottom});
  const int room = GetUi().ScreenWidth() - look_.metrics.ScrollBarWidth;
  list_.SetColumnWidth(0, look_.metrics.FirstColumnWidth);
  list_.SetColumnWidth(1, std::max(0, room - look_.metrics.FirstColumnWidth));
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->MoveWindow(rects[i]);
}

void CListEditor::OnSize() { PlaceControls(); }

void CListEditor::OnSettingChange(ui::SettingChange change) {
  ui::Dialog::OnSettingChange(change);
  PlaceControls();
  Invalidate();
}

void CListEditor::Select(int row) {
  selected_ = row;
  list_.SetSelected(row);
  if (row >= 0) list_.EnsureVisible(row);
}

void CListEditor::Inform(WStringView text) { ui::MessageBox(this, text, u"提示", ui::kMbOk | ui::kMbIconInformation); }

void CListEditor::AppendRow(WStringView first, WStringView second) {
  const int row = list_.InsertItem(list_.ItemCount(), first);
  list_.SetItemText(row, 1, second);
  list_.EnsureVisible(row);
}

void CListEditor::SetRow(int row, WStringView first, WStringView second) {
  list_.SetItemText(row, 0, first);
  list_.SetItemText(row, 1, second);
}

bool CListEditor::OnCommand(int id, int code) {
  if (id == look_.listId) {
    if (code == ui::kSelectionChanged || code == ui::kItemActivated) selected_ = list_.GetSelected();
    return true;
  }
  if (code != ui::kClicked) return ui::Dialog::OnCommand(id, code);
  switch (id) {
    case kMoveUpId: Move(-1); return true;
    case kMoveDownId: Move(1); return true;
    case kAddId: AddEntry(); return true;
    case kDeleteId: Delete(); return true;
    case kModifyId:
      if (selected_ < 0 || selected_ >= list_.ItemCount()) {
        Inform(u"请选择一项再修改!");
      } else {
        ModifyEntry();
      }
      return true;
    default: return ui::Dialog::OnCommand(id, code);
  }
}

void CListEditor::Delete() {
  const int row = selected_;
  int next = -1;
  switch (DeleteEntry(row, next)) {
    case ListEditOutcome::kNoSelection:
    case ListEditOutcome::kAtEdge: Inform(u"请选择一项再删除!"); return;
    case ListEditOutcome::kSaveFailed: Inform(kSaveFailedText); return;
    case ListEditOutcome::kDone: break;
  }
  list_.DeleteItem(row);
  Select(next);
}

void CListEditor::Move(int step) {
  const bool up = step < 0;
  const int row = selected_;
  switch (MoveEntry(row, step)) {
    case ListEditOutcome::kNoSelection: Inform(up ? u"请选择一项再上移!" : u"请选择一项再下移!"); return;
    case ListEditOutcome::kAtEdge: Inform(up ? u"已经位于第一行!" : u"已经位于最末行!"); return;
    case ListEditOutcome::kSaveFailed: Inform(kSaveFailedText); return;
    case ListEditOutcome::kDone: break;
  }
  const int other = row + step;
  const WString first = list_.GetItemText(row, 0);
  const WString second = list_.GetItemText(row, 1);
  SetRow(row, list_.GetItemText(other, 0), list_.GetItemText(other, 1));
  SetRow(other, first, second);
  Select(other);
}

}  // namespace tarvo
