#include "tools/screens/CKeyManager.h"

#include "launcher/controls/ButtonRow.h"
#include "launcher/controls/RowStyle.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"
#include "tools/KeywordRecords.h"

namespace tarvo {

CKeyManager::CKeyManager(CTarvoApp& app) : ui::Dialog(app.GetUi(), kCaption), app_(app) {}

CKeyManager::~CKeyManager() = default;

bool CKeyManager::OnInitDialog() {
  SetOkButton(true);
  if (app_.Keywords.empty())
    LoadKeywordRecords(app_.GetDevice().Files(), app_.SearchRecordPath, app_.Keywords,
                       app_.GetDevice().CodePage());
  list_.Create(this, ui::Rect{}, kListId);
  list_.SetShowHeader(false);
  list_.SetFullRowSelect(true);
  list_.InsertColumn(0, u"", app_.Metrics.ScreenWidth - app_.Metrics.ScrollBarWidth);
  const RowStyle style = ToolRowStyle();
  list_.SetCustomDraw([style](ui::ListRowDraw& draw) { return DrawStyledRow(draw, style); });
  for (const WString& keyword : app_.Keywords) list_.InsertItem(list_.ItemCount(), keyword);
  buttons_ = CreateSkinButtons(this, {u"删除", u"清空"}, kDeleteId, app_.Imaging(), app_.ProgramDir, 182, 181);
  PlaceControls();
  return true;
}

void CKeyManager::PlaceControls() {
  if (!list_.IsCreated()) return;
  const ui::Rect client = ClientRect();
  const auto rects = BottomButtonRow(client, static_cast<int>(buttons_.size()), 3 * app_.Metrics.CharWidth,
                                     app_.Metrics.ButtonHeight);
  list_.MoveWindow(ui::Rect{0, 0, client.right, rects[0].top});
  // One column as wide as the screen less the scroll bar, also after a rotation.
  list_.SetColumnWidth(0, GetUi().ScreenWidth() - app_.Metrics.ScrollBarWidth);
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->MoveWindow(rects[i]);
}

void CKeyManager::OnSize() { PlaceControls(); }

bool CKeyManager::OnCommand(int id, int code) {
  if (id == kListId) {
    if (code == ui::kSelectionChanged || code == ui::kItemActivated) selected_ = list_.GetSelected();
    return true;
  }
  if (code == ui::kClicked && id == kDeleteId) {
    DeleteSelected();
    return true;
  }
  if (code == ui::kClicked && id == kClearId) {
    ClearAll();
    return true;
  }
  return ui::Dialog::OnCommand(id, code);
}

void CKeyManager::DeleteSelected() {
  const int count = static_cast<int>(app_.Keywords.size());
  if (selected_ < 0 || selected_ >= count) {
    ui::MessageBox(this, u"请选择一项再删除!", u"提示", ui::kMbOk | ui::kMbIconInformation);
    return;
  }
  app_.Keywords.erase(app_.Keywords.begin() + selected_);
  list_.DeleteItem(selected_);
  if (selected_ >= count - 1) selected_ = count - 2;  // the removed row was last
  list_.SetSelected(selected_);
  if (selected_ >= 0) list_.EnsureVisible(selected_);
}

void CKeyManager::ClearAll() {
  if (app_.Keywords.empty()) return;
  if (ui::MessageBox(this, u"确定要删除所有搜索记录吗？", u"提示", ui::kMbYesNo | ui::kMbIconQuestion) !=
      ui::kIdYes)
    return;
  app_.Keywords.clear();
  list_.DeleteAllItems();
  selected_ = -1;
  list_.SetSelected(-1);
}

void ManageKeywords(CTarvoApp& app) {
  if (app.Keywords.empty())
    LoadKeywordRecords(app.GetDevice().Files(), app.SearchRecordPath, app.Keywords, app.GetDevice().CodePage());
  const size_t before = app.Keywords.size();
  CKeyManager(app).DoModal();
  if (app.Keywords.size() != before)
    SaveKeywordRecords(app.GetDevice().Files(), app.SearchRecordPath, app.Keywords, app.GetDevice().CodePage());
}

}  // namespace tarvo
