#pragma once
// An edit field that raises the input panel when it takes the focus and
// forces it down when it loses the focus.
#include "platform/ui/Edit.h"

namespace tarvo {

class PanelEdit : public ui::Edit {
 public:
  void OnSetFocus() override;
  void OnKillFocus() override;
};

}  // namespace tarvo
