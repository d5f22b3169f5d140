#pragma once
// The template chooser: "普通模式", "办公模式" and "返回" over the background.
#include "launcher/settings/SkinColumnDialog.h"

namespace tarvo {

class CMainMenuTemplate : public SkinColumnDialog {
 public:
  static constexpr char16_t kCaption[] = u"主界面模板";
  explicit CMainMenuTemplate(CTarvoApp& app);

 protected:
  void OnButton(size_t index) override;
};

}  // namespace tarvo
