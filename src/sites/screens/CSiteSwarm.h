#pragma once
// The site directory: the sites' names as a grid of links, as many columns
// as the screen's width holds; a tap opens the site in the chosen browser.
// "设置" opens the editor; the grid is placed again when the editor ends
// with OK after a change, and after a rotation.
#include "app/shell/TarvoApp.h"
#include "launcher/controls/LinkListCtrl.h"
#include "platform/ui/Dialog.h"

namespace tarvo {

class CSiteSwarm : public ui::Dialog {
 public:
  static constexpr char16_t kCaption[] = u"网站云集";
  static constexpr int kGridId = 998;
  static constexpr int kSettingsCommand = 32774;

  explicit CSiteSwarm(CTarvoApp& app);
  ~CSiteSwarm() override;

  int Columns() const { return columns_; }
  LinkListCtrl& Grid() { return grid_; }

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnSize() override;
  void OnSettingChange(ui::SettingChange change) override;

 private:
  void PlaceSites();
  void OpenSettings();

  CTarvoApp& app_;
  LinkListCtrl grid_;
  int columns_ = 1;
  bool landscape_ = false;
};

}  // namespace tarvo
