#pragma once
// An edit field with a paste menu: a tap-and-hold opens the popup menu
// (resource 150) whose one command "粘贴" pastes the clipboard.
#include "platform/ui/Edit.h"

namespace tarvo {

class CMyEdit : public ui::Edit {
 public:
  static constexpr char16_t kPasteCaption[] = u"粘贴";
  static constexpr int kPasteCommand = 32771;

  bool OnTapAndHold(ui::Point point) override;
};

}  // namespace tarvo
