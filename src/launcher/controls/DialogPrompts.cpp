#include "launcher/controls/DialogPrompts.h"

#include "platform/ui/MessageBox.h"

namespace tarvo {

bool DialogPrompts::AskYesNo(WStringView caption, WStringView text) {
  return ui::MessageBox(owner_, text, caption, ui::kMbYesNo | ui::kMbIconQuestion | ui::kMbTopmost) == ui::kIdYes;
}

void DialogPrompts::Tell(WStringView caption, WStringView text) {
  ui::MessageBox(owner_, text, caption, ui::kMbOk);
}

}  // namespace tarvo
