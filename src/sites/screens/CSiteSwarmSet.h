#pragma once
// The site directory's editor: every site with its URL, edited in the
// process-wide site list and its file, saved after every action. The
// changed flag tells the directory to place its grid again.
#include "app/shell/TarvoApp.h"
#include "launcher/controls/CListEditor.h"

namespace tarvo {

class CSiteSwarmSet : public CListEditor {
 public:
  static constexpr char16_t kCaption[] = u"网站云集设置";
  static constexpr int kListId = 998;

  explicit CSiteSwarmSet(CTarvoApp& app);

  // An add, modify or delete succeeded (moves do not count).
  bool Changed() const { return changed_; }

 protected:
  void FillRows() override;
  void AddEntry() override;
  void ModifyEntry() override;
  ListEditOutcome DeleteEntry(int row, int& next) override;
  ListEditOutcome MoveEntry(int row, int step) override;

 private:
  CTarvoApp& app_;
  XmlListEditor<SiteEntry> editor_;
  bool changed_ = false;
};

}  // namespace tarvo
