#pragma once
// The item editor: the launcher items as a list, with move up, move down,
// add, delete and restore-defaults buttons along the bottom, and a menu to
// change the background picture or switch templates.
#include "app/shell/TarvoApp.h"
#include "launcher/controls/CSkinButton.h"
#include "platform/device/StartMenuFolder.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListView.h"

namespace tarvo {

class CMainMenuSet : public ui::Dialog {
 public:
  static constexpr char16_t kCaption[] = u"主界面设置";
  static constexpr int kListId = 100;
  static constexpr int kMoveUpId = 101;
  static constexpr int kMoveDownId = 102;
  static constexpr int kAddId = 103;
  static constexpr int kDeleteId = 104;
  static constexpr int kDefaultId = 105;
  static constexpr int kChangeBackgroundId = 110;
  static constexpr int kNormalTemplateId = 111;
  static constexpr int kOfficeTemplateId = 112;
  static constexpr int kNormalBitmap = 182;
  static constexpr int kPressedBitmap = 181;

  explicit CMainMenuSet(CTarvoApp& app);
  ~CMainMenuSet() override;

  int Selected() const { return selected_; }

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnSize() override;

 private:
  void PlaceControls();
  void FillList();
  void Move(int step);
  void Delete();
  void Add();
  void RestoreDefaults();
  void ChangeBackground();
  void SwitchTemplateFromMenu(int target);
  void Select(int row);
  void Inform(WStringView text);

  CTarvoApp& app_;
  ui::ListView list_;
  SkinButtons buttons_;
  int selected_ = -1;
};

}  // namespace tarvo
