#include "tools/screens/CTarvoProgress.h"

#include "platform/ui/Ui.h"

namespace tarvo {

CTarvoProgress::CTarvoProgress(ui::Ui& ui, StartHook onStart) : ui::Dialog(ui, u""), onStart_(std::move(onStart)) {}

bool CTarvoProgress::OnInitDialog() {
  // As tall as the screen: the whole screen, without bars or menu.
  ui::EnterFullScreen(*this, true);
  if (onStart_) onStart_(*this);
  return true;
}

}  // namespace tarvo
