#pragma once
// What a person sees with a text on the top window, in the order a script's
// tap-text counts them: the items of an open popup menu; else the controls
// of the top window (deeply, in child order, list rows by sub-item), the
// texts it paints itself, the cells of its scrolling grid, the frame's menu
// bar items and the top bar's "ok". Built on the UI thread.
#include <string>
#include <vector>

#include "platform/text/WString.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Messages.h"

namespace tarvo::ui {
class Ui;
class Window;
}  // namespace tarvo::ui

namespace tarvo::ui::automation {

struct ShownThing {
  enum class Source { Control, ListRow, Painted, GridCell, MenuBarItem, PopupItem, OkButton };
  Source source = Source::Control;
  WString text;
  // Screen pixels; for a list row or a grid cell where it lies now, which
  // may be out of view.
  Rect rect;
  bool enabled = true;
  // The control, list or window that shows it.
  WindowHandle window = 0;
  // The list row, grid cell or menu item.
  int index = -1;
};

// Everything with a non-empty text on the top window.
std::vector<ShownThing> CollectShown(Ui& ui);
// Whether a shown text matches what a script names: the whole text, or one
// of its lines when it holds line breaks.
bool ShownTextMatches(WStringView shown, WStringView wanted);
// The class name of a window without its namespaces ("CTarvoDlg").
std::string ClassNameOf(const Window& window);

}  // namespace tarvo::ui::automation
