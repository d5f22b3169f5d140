#include "launcher/controls/PanelEdit.h"

#include "platform/ui/Ui.h"

namespace tarvo {

void PanelEdit::OnSetFocus() {
  ui::Edit::OnSetFocus();
  GetUi().ShowInputPanel(true);
}

void PanelEdit::OnKillFocus() {
  ui::Edit::OnKillFocus();
  GetUi().ShowInputPanel(false);
}

}  // namespace tarvo
