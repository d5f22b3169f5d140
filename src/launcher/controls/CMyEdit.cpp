#include "launcher/controls/CMyEdit.h"

#include "platform/ui/Menu.h"
#include "platform/ui/Ui.h"

namespace tarvo {

bool CMyEdit::OnTapAndHold(ui::Point point) {
  ui::Menu menu;
  menu.Add(kPasteCaption, kPasteCommand);
  ui::WindowHandle self = Handle();
  ui::Ui& ui = GetUi();
  int command = ui::TrackPopupMenu(ui, menu.Items(), ToScreen(point), nullptr);
  // The field may be gone by the time the menu closes.
  if (command == kPasteCommand && ui.FromHandle(self) == this) Paste();
  return true;
}

}  // namespace tarvo
