#pragma once
// The keyword manager: the shared search-keyword list, one row each, with
// "删除" (the selected keyword) and "清空" (all of them).
#include "app/shell/TarvoApp.h"
#include "launcher/controls/CSkinButton.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListView.h"

namespace tarvo {

class CKeyManager : public ui::Dialog {
 public:
  static constexpr char16_t kCaption[] = u"关键词管理";
  static constexpr int kListId = 100;
  static constexpr int kDeleteId = 101;
  static constexpr int kClearId = 102;

  explicit CKeyManager(CTarvoApp& app);
  ~CKeyManager() override;

  int Selected() const { return selected_; }

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnSize() override;

 private:
  void PlaceControls();
  void DeleteSelected();
  void ClearAll();

  CTarvoApp& app_;
  ui::ListView list_;
  SkinButtons buttons_;
  int selected_ = -1;
};

// Runs the manager over the app's shared list and, when it removed keywords,
// writes the list back to the record file so they stay gone.
void ManageKeywords(CTarvoApp& app);

}  // namespace tarvo
