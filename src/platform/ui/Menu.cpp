#include "platform/ui/Menu.h"

#include "platform/ui/MenuBar.h"
#include "platform/ui/PopupMenuWindow.h"
#include "platform/ui/Ui.h"
#include "platform/ui/Window.h"

namespace tarvo::ui {
namespace {

MenuItem* FindIn(std::vector<MenuItem>& items, int command) {
  for (MenuItem& item : items) {
    if (!item.IsPopup() && !item.separator && item.command == command) return &item;
    if (MenuItem* found = FindIn(item.subItems, command)) return found;
  }
  return nullptr;
}

}  // namespace

Menu& Menu::Add(WStringView caption, int command, bool enabled) {
  MenuItem item;
  item.caption = WString(caption);
  item.command = command;
  item.enabled = enabled;
  items_.push_back(std::move(item));
  return *this;
}

Menu& Menu::AddPopup(WStringView caption, const Menu& popup) {
  MenuItem item;
  item.caption = WString(caption);
  item.subItems = popup.Items();
  items_.push_back(std::move(item));
  return *this;
}

Menu& Menu::AddSeparator() {
  MenuItem item;
  item.separator = true;
  items_.push_back(std::move(item));
  return *this;
}

MenuItem* Menu::FindCommand(int command) { return FindIn(items_, command); }

void Menu::EnableCommand(int command, bool enabled) {
  if (MenuItem* item = FindCommand(command)) item->enabled = enabled;
}

void Menu::CheckCommand(int command, bool checked) {
  if (MenuItem* item = FindCommand(command)) item->checked = checked;
}

int TrackPopupMenu(Ui& ui, const std::vector<MenuItem>& items, Point at, Window* notify, unsigned align) {
  if (items.empty()) return 0;
  WindowHandle notifyHandle = notify != nullptr ? notify->Handle() : 0;
  PopupMenuWindow popup(ui, items, nullptr);
  popup.Place(at, align);
  popup.Show(true);
  ui.BringToTop(&popup);
  ui.RunUntil([&] { return popup.IsFinished(); });
  int command = popup.ChosenCommand();
  popup.Destroy();
  Window* target = notifyHandle != 0 ? ui.FromHandle(notifyHandle) : nullptr;
  if (command != 0 && target != nullptr) target->OnCommand(command, kMenuCommand);
  return command;
}

void MenuBar::ActivateItem(Window& owner, size_t index, const Rect& softKey) {
  if (index >= Items().size()) return;
  const MenuItem& item = Items()[index];
  if (!item.enabled) return;
  if (!item.IsPopup()) {
    owner.OnCommand(item.command, kMenuCommand);
    return;
  }
  bool rightHalf = softKey.left >= owner.GetUi().ScreenWidth() / 2;
  std::vector<MenuItem> sub = item.subItems;  // the handler may change the bar
  TrackPopupMenu(owner.GetUi(), sub, Point{rightHalf ? softKey.right : softKey.left, softKey.top}, &owner,
                 rightHalf ? kPopupBottomRight : kPopupBottomLeft);
}

}  // namespace tarvo::ui
