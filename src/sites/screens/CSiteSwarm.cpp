#include "sites/screens/CSiteSwarm.h"

#include "launcher/controls/OpenUrl.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"
#include "sites/SiteGrid.h"
#include "sites/screens/CSiteSwarmSet.h"

namespace tarvo {

CSiteSwarm::CSiteSwarm(CTarvoApp& app) : ui::Dialog(app.GetUi(), kCaption), app_(app) {}

CSiteSwarm::~CSiteSwarm() = default;

bool CSiteSwarm::OnInitDialog() {
  SetOkButton(true);
  ui::MenuBar bar;
  bar.Add(u"设置", kSettingsCommand);
  SetMenuBar(bar);
  landscape_ = GetUi().ScreenWidth() > GetUi().ScreenHeight();
  grid_.Create(this, ClientRect(), kGridId);
  grid_.SetShowHeader(false);
  grid_.SetOpener(UrlOpenerFor(app_));
  if (app_.Sites().LoadOrSeed(app_.SiteList) == SiteLoadStatus::kUnparsable)
    ui::MessageBox(this, kSiteListOpenFailed, u"Tarvo", ui::kMbOk);
  if (!IsCreated()) return true;
  PlaceSites();
  return true;
}

// Columns, then every site in its cell; the links of an earlier placing go,
// so a cell left empty opens nothing.
void CSiteSwarm::PlaceSites() {
  grid_.MoveWindow(ClientRect());
  grid_.DeleteAllItems();
  grid_.ClearLinks();
  while (grid_.ColumnCount() > 0) grid_.DeleteColumn(0);
  const int width = GetUi().ScreenWidth();
  const int scrollBar = app_.Metrics.ScrollBarWidth;
  columns_ = SiteGridColumns(width, scrollBar, app_.Metrics.MinCellWidth);
  const int columnWidth = SiteGridColumnWidth(width, scrollBar, columns_);
  for (int c = 0; c < columns_; ++c) grid_.InsertColumn(c, u"", columnWidth);
  const auto cells = tarvo::PlaceSites(app_.SiteList.size(), columns_);
  for (size_t i = 0; i < cells.size(); ++i) {
    const SiteEntry& site = app_.SiteList[i];
    if (cells[i].column == 0) {
      grid_.InsertItem(grid_.ItemCount(), site.name);
    } else {
      grid_.SetItemText(cells[i].row, cells[i].column, site.name);
    }
    grid_.SetLink(cells[i].row, cells[i].column, site.url);
  }
  Invalidate();
}

void CSiteSwarm::OnSize() {
  if (grid_.IsCreated()) grid_.MoveWindow(ClientRect());
}

void CSiteSwarm::OnSettingChange(ui::SettingChange change) {
  ui::Dialog::OnSettingChange(change);
  const bool landscape = GetUi().ScreenWidth() > GetUi().ScreenHeight();
  if (change == ui::SettingChange::Rotation && landscape != landscape_) {
    landscape_ = landscape;
    app_.Metrics.ScreenWidth = GetUi().ScreenWidth();
    app_.Metrics.ScreenHeight = GetUi().ScreenHeight();
    PlaceSites();
  } else if (grid_.IsCreated()) {
    grid_.MoveWindow(ClientRect());
  }
}

bool CSiteSwarm::OnCommand(int id, int code) {
  if (id == kSettingsCommand) {
    OpenSettings();
    return true;
  }
  if (id == kGridId) return true;
  return ui::Dialog::OnCommand(id, code);
}

void CSiteSwarm::OpenSettings() {
  CSiteSwarmSet editor(app_);
  if (editor.DoModal() != ui::kIdOk || !IsCreated()) return;
  if (editor.Changed()) PlaceSites();
}

}  // namespace tarvo
