#pragma once
// The page-button style chooser: the seven styles with their pictures; a tap
// asks, then stores the style for the paging screens.
#include <memory>

#include "app/shell/TarvoApp.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Static.h"

namespace tarvo {

class CButtonStyleSet : public ui::Dialog {
 public:
  static constexpr char16_t kCaption[] = u"按钮风格";
  static constexpr int kLabelId = 100;
  static constexpr int kListId = 101;

  explicit CButtonStyleSet(CTarvoApp& app);
  ~CButtonStyleSet() override;

  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  void OnSize() override;

 private:
  void PlaceControls();
  void Choose(int row);

  CTarvoApp& app_;
  ui::Static label_;
  ui::ListView list_;
  std::unique_ptr<ui::ImageList> pictures_;
};

}  // namespace tarvo
