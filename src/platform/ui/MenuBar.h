#pragma once
// A dialog's menu bar, shown by the phone frame as soft keys in the bottom
// bar: an item with a command sends it to the dialog, an item with a
// sub-menu opens it above the bar.
#include "platform/ui/Menu.h"

namespace tarvo::ui {

class MenuBar : public Menu {
 public:
  // Runs item index for owner: the command, or the popup above rect.
  void ActivateItem(Window& owner, size_t index, const Rect& softKey);
};

}  // namespace tarvo::ui
