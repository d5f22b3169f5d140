#pragma once
// Menus: items with a caption and a command id, or a caption over a
// sub-menu. TrackPopupMenu shows one at a point and waits for the choice.
#include <vector>

#include "platform/text/WString.h"
#include "platform/ui/Geometry.h"

namespace tarvo::ui {

class Ui;
class Window;

struct MenuItem {
  WString caption;
  int command = 0;
  bool enabled = true;
  bool checked = false;
  bool separator = false;
  std::vector<MenuItem> subItems;
  bool IsPopup() const { return !subItems.empty(); }
};

class Menu {
 public:
  Menu& Add(WStringView caption, int command, bool enabled = true);
  Menu& AddPopup(WStringView caption, const Menu& popup);
  Menu& AddSeparator();
  // The item with this command anywhere below, or null.
  MenuItem* FindCommand(int command);
  void EnableCommand(int command, bool enabled);
  void CheckCommand(int command, bool checked);
  const std::vector<MenuItem>& Items() const { return items_; }
  std::vector<MenuItem>& Items() { return items_; }
  bool IsEmpty() const { return items_.empty(); }

 private:
  std::vector<MenuItem> items_;
};

// Where TrackPopupMenu places the menu against the point.
enum PopupAlign : unsigned { kPopupTopLeft = 0, kPopupBottomLeft = 1, kPopupBottomRight = 2 };

// Shows items at a screen point (kept on screen), runs a nested loop and
// returns the chosen command, 0 when the menu was dismissed. When notify is
// given, the command is also sent to its OnCommand (code kMenuCommand).
int TrackPopupMenu(Ui& ui, const std::vector<MenuItem>& items, Point at, Window* notify,
                   unsigned align = kPopupTopLeft);

}  // namespace tarvo::ui
