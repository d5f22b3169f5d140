#pragma once
// The settings hub: template, items, browser, page-button style, back.
#include "launcher/settings/SkinColumnDialog.h"

namespace tarvo {

class CPersonalSet : public SkinColumnDialog {
 public:
  static constexpr char16_t kCaption[] = u"设置";
  explicit CPersonalSet(CTarvoApp& app);

 protected:
  void OnButton(size_t index) override;
};

}  // namespace tarvo
