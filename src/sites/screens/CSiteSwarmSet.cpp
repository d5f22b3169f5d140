#include "sites/screens/CSiteSwarmSet.h"

#include "sites/SiteGrid.h"
#include "sites/screens/CAddSite.h"

namespace tarvo {

CSiteSwarmSet::CSiteSwarmSet(CTarvoApp& app)
    : CListEditor(app.GetUi(), kCaption,
                  Look{app.Metrics, app.Imaging(), app.ProgramDir, kListId, u"网站名称", u"网址", true}),
      app_(app),
      editor_(app.SiteList, app.Sites().Document()) {}

void CSiteSwarmSet::FillRows() {
  List().DeleteAllItems();
  for (const SiteEntry& site : app_.SiteList) AppendRow(site.name, SiteUrlShown(site.url));
  Select(-1);
}

void CSiteSwarmSet::AddEntry() {
  const size_t before = app_.SiteList.size();
  CAddSite dialog(app_, CAddSite::kAddMode, SiteEntry{}, [this](const SiteEntry& site) {
    return editor_.Add(site) == ListEditOutcome::kDone;
  });
  if (dialog.DoModal() != ui::kIdOk || !IsCreated()) return;
  for (size_t i = before; i < app_.SiteList.size(); ++i) AppendRow(app_.SiteList[i].name, SiteUrlShown(app_.SiteList[i].url));
  changed_ = changed_ || app_.SiteList.size() != before;
}

void CSiteSwarmSet::ModifyEntry() {
  const int row = Selected();
  std::vector<int> renamed;
  CAddSite dialog(app_, CAddSite::kModifyMode, app_.SiteList[static_cast<size_t>(row)],
                  [this, row, &renamed](const SiteEntry& site) {
                    return editor_.ModifyByName(row, site, renamed) == ListEditOutcome::kDone;
                  });
  if (dialog.DoModal() != ui::kIdOk || !IsCreated()) return;
  // Every site of that name took the new name and URL: so does its row.
  for (int index : renamed) {
    const SiteEntry& site = app_.SiteList[static_cast<size_t>(index)];
    SetRow(index, site.name, SiteUrlShown(site.url));
  }
  List().EnsureVisible(row);
  changed_ = true;
}

ListEditOutcome CSiteSwarmSet::DeleteEntry(int row, int& next) {
  const ListEditOutcome outcome = editor_.Delete(row, next);
  if (outcome == ListEditOutcome::kDone) changed_ = true;
  return outcome;
}

ListEditOutcome CSiteSwarmSet::MoveEntry(int row, int step) { return editor_.Move(row, step); }

}  // namespace tarvo
