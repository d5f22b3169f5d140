#include "tools/screens/CDownloadManager.h"

#include <algorithm>

#include "launcher/controls/OpenUrl.h"
#include "launcher/controls/RowStyle.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"

namespace tarvo {

CDownloadManager::CDownloadManager(CTarvoApp& app, std::vector<DownloadEntry> entries)
    : ui::Dialog(app.GetUi(), kCaption), app_(app), entries_(std::move(entries)) {}

bool CDownloadManager::OnInitDialog() {
  ui::MenuBar bar;
  bar.Add(u"下载", kDownloadId);
  SetMenuBar(bar);
  SetOkButton(true);
  list_.Create(this, ClientRect(), kListId);
  list_.SetShowHeader(false);
  list_.SetFullRowSelect(true);
  // The column widens to the first name when that is wider than the screen,
  // and the list then scrolls sideways.
  columnWidth_ = app_.Metrics.ScreenWidth - app_.Metrics.ScrollBarWidth;
  if (!entries_.empty())
    columnWidth_ = std::max(columnWidth_, list_.GetFont().TextWidth(entries_.front().name) + 6);
  list_.InsertColumn(0, u"", columnWidth_);
  const RowStyle style = [] {
    RowStyle tool = ToolRowStyle();
    tool.cutWithDots = false;
    return tool;
  }();
  list_.SetCustomDraw([style](ui::ListRowDraw& draw) { return DrawStyledRow(draw, style); });
  for (const DownloadEntry& entry : entries_) list_.InsertItem(list_.ItemCount(), entry.name);
  return true;
}

void CDownloadManager::OnSize() {
  if (list_.IsCreated()) list_.MoveWindow(ClientRect());
}

bool CDownloadManager::OnCommand(int id, int code) {
  if (id == kListId) {
    if (code == ui::kSelectionChanged || code == ui::kItemActivated) selected_ = list_.GetSelected();
    return true;
  }
  if (id == kDownloadId) {
    Download();
    return true;
  }
  return ui::Dialog::OnCommand(id, code);
}

void CDownloadManager::Download() {
  if (selected_ < 0 || selected_ >= static_cast<int>(entries_.size())) {
    ui::MessageBox(this, u"请选择一项再下载！", u"Tarvo", ui::kMbOk);
    return;
  }
  OpenUrl(app_, entries_[static_cast<size_t>(selected_)].address);
}

}  // namespace tarvo
