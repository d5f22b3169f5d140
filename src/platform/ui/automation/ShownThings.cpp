#include "platform/ui/automation/ShownThings.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "platform/ui/ListView.h"
#include "platform/ui/MenuBar.h"
#include "platform/ui/PopupMenuWindow.h"
#include "platform/ui/Ui.h"
#include "platform/ui/Window.h"

namespace tarvo::ui::automation {
namespace {

Rect ToScreen(const Window& window, const Rect& client) {
  const Point origin = window.ToScreen(Point{0, 0});
  return client.Offset(origin.x, origin.y);
}

void AddListRows(const ListView& list, std::vector<ShownThing>& out) {
  const int columns = std::max(1, list.ColumnCount());
  for (int row = 0; row < list.ItemCount(); ++row) {
    for (int sub = 0; sub < columns; ++sub) {
      WString text = list.GetItemText(row, sub);
      if (text.empty()) continue;
      out.push_back(ShownThing{ShownThing::Source::ListRow, std::move(text),
                               ToScreen(list, list.SubItemRect(row, sub)), list.IsEffectivelyEnabled(),
                               list.Handle(), row});
    }
  }
}

void AddControls(const Window& parent, std::vector<ShownThing>& out) {
  for (Window* child : parent.Children()) {
    if (!child->IsVisible()) continue;
    WString text = child->ShownText();
    if (!text.empty()) {
      out.push_back(ShownThing{ShownThing::Source::Control, std::move(text), child->ScreenRect(),
                               child->IsEffectivelyEnabled(), child->Handle(), -1});
    }
    if (auto* list = dynamic_cast<const ListView*>(child)) AddListRows(*list, out);
    std::vector<PaintedText> painted;
    child->DescribePainted(painted);
    for (PaintedText& p : painted) {
      out.push_back(ShownThing{ShownThing::Source::Painted, std::move(p.text), ToScreen(*child, p.rect),
                               child->IsEffectivelyEnabled(), child->Handle(), -1});
    }
    AddControls(*child, out);
  }
}

}  // namespace

std::vector<ShownThing> CollectShown(Ui& ui) {
  std::vector<ShownThing> out;
  Window* top = ui.TopWindow();
  if (top == nullptr) return out;
  if (auto* popup = dynamic_cast<PopupMenuWindow*>(top)) {
    const auto& items = popup->Items();
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i].separator || items[i].caption.empty()) continue;
      out.push_back(ShownThing{ShownThing::Source::PopupItem, items[i].caption,
                               ToScreen(*popup, popup->ItemRect(i)), items[i].enabled, popup->Handle(),
                               static_cast<int>(i)});
    }
    return out;
  }
  AddControls(*top, out);
  std::vector<PaintedText> painted;
  top->DescribePainted(painted);
  for (PaintedText& p : painted) {
    out.push_back(ShownThing{ShownThing::Source::Painted, std::move(p.text), ToScreen(*top, p.rect), true,
                             top->Handle(), -1});
  }
  CellGrid grid;
  if (top->DescribeCellGrid(grid)) {
    for (size_t i = 0; i < grid.cells.size(); ++i) {
      out.push_back(ShownThing{ShownThing::Source::GridCell, grid.cells[i].text, ToScreen(*top, grid.cells[i].rect),
                               true, top->Handle(), static_cast<int>(i)});
    }
  }
  // The frame belongs to the top window unless it is a box over another one.
  if (top->IsPopup() || ui.FrameOwner() != top) return out;
  if (MenuBar* bar = top->GetMenuBar(); bar != nullptr && top->ShowsMenuBar()) {
    for (size_t i = 0; i < bar->Items().size(); ++i) {
      const MenuItem& item = bar->Items()[i];
      if (item.caption.empty()) continue;
      out.push_back(ShownThing{ShownThing::Source::MenuBarItem, item.caption, ui.Frame().SoftKeyRect(top, i),
                               item.enabled, top->Handle(), static_cast<int>(i)});
    }
  }
  const Rect ok = ui.Frame().OkButtonRect(top);
  if (!ok.IsEmpty()) out.push_back(ShownThing{ShownThing::Source::OkButton, u"ok", ok, true, top->Handle(), -1});
  return out;
}

bool ShownTextMatches(WStringView shown, WStringView wanted) {
  if (shown == wanted) return true;
  if (wanted.empty()) return false;
  size_t start = 0;
  while (start < shown.size()) {
    size_t end = shown.find(u'\n', start);
    if (end == WStringView::npos) end = shown.size();
    WStringView line = shown.substr(start, end - start);
    if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
    if (line == wanted) return true;
    start = end + 1;
  }
  return false;
}

std::string ClassNameOf(const Window& window) {
  const char* mangled = typeid(window).name();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                   std::free);
  std::string name = status == 0 && demangled ? demangled.get() : mangled;
  // Keep the last component outside any template arguments.
  const size_t cut = name.rfind("::", name.find('<'));
  if (cut != std::string::npos) name = name.substr(cut + 2);
  return name;
}

}  // namespace tarvo::ui::automation
