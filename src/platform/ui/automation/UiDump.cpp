#include "platform/ui/automation/UiDump.h"

#include "platform/text/Utf8.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ListView.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PopupMenuWindow.h"
#include "platform/ui/Static.h"
#include "platform/ui/Ui.h"
#include "platform/ui/automation/ShownThings.h"

namespace tarvo::ui::automation {
namespace {

using Json = nlohmann::ordered_json;

Json RectJson(const Rect& r) { return Json::array({r.left, r.top, r.right, r.bottom}); }

Rect ClientToScreen(const Window& window, const Rect& r) {
  const Point origin = window.ToScreen(Point{0, 0});
  return r.Offset(origin.x, origin.y);
}

Json MenuItemsJson(const std::vector<MenuItem>& items) {
  Json out = Json::array();
  for (const MenuItem& item : items) {
    if (item.separator) continue;
    out.push_back(Json{{"text", DumpText(item.caption)},
                       {"enabled", item.enabled},
                       {"checked", item.checked},
                       {"items", MenuItemsJson(item.subItems)}});
  }
  return out;
}

const char* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return "information";
    case MessageIcon::Question: return "question";
    case MessageIcon::Exclamation: return "exclamation";
    case MessageIcon::Error: return "error";
    case MessageIcon::None: break;
  }
  return "none";
}

Json PaintedJson(const Window& window) {
  std::vector<PaintedText> painted;
  window.DescribePainted(painted);
  Json out = Json::array();
  for (const PaintedText& p : painted)
    out.push_back(Json{{"text", DumpText(p.text)}, {"rect", RectJson(ClientToScreen(window, p.rect))}});
  return out;
}

void AddKindDetails(const Window& control, Json& out) {
  if (auto* list = dynamic_cast<const ListView*>(&control)) {
    Json columns = Json::array();
    for (int c = 0; c < list->ColumnCount(); ++c) columns.push_back(DumpText(list->ColumnTitle(c)));
    Json rows = Json::array();
    for (int r = 0; r < list->ItemCount(); ++r) {
      Json row = Json::array();
      for (int c = 0; c < std::max(1, list->ColumnCount()); ++c) row.push_back(DumpText(list->GetItemText(r, c)));
      rows.push_back(std::move(row));
    }
    out["columns"] = std::move(columns);
    out["rows"] = std::move(rows);
    out["selected"] = list->GetSelected();
    out["topRow"] = list->TopIndex();
  } else if (auto* combo = dynamic_cast<const ComboBox*>(&control)) {
    Json items = Json::array();
    for (int i = 0; i < combo->GetCount(); ++i) items.push_back(DumpText(combo->GetLBText(i)));
    out["items"] = std::move(items);
    out["selected"] = combo->GetCurSel();
  } else if (auto* progress = dynamic_cast<const ProgressBar*>(&control)) {
    out["range"] = Json::array({progress->Low(), progress->High()});
    out["position"] = progress->GetPos();
  }
}

Json ValuesJson(const Window& window) {
  DescribedValues values;
  window.DescribeValues(values);
  Json out = Json::object();
  for (const auto& [key, value] : values) out[key] = value;
  return out;
}

Json ControlJson(const Window& control, const Window* focus) {
  const auto* button = dynamic_cast<const Button*>(&control);
  Json out{{"id", control.Id()},
           {"kind", control.ControlKind()},
           {"text", DumpText(control.ShownText())},
           {"rect", RectJson(control.ScreenRect())},
           {"visible", control.IsShown()},
           {"enabled", control.IsEffectivelyEnabled()},
           {"checked", button != nullptr && button->IsChecked()},
           {"focused", focus == &control}};
  AddKindDetails(control, out);
  Json painted = PaintedJson(control);
  if (!painted.empty()) out["painted"] = std::move(painted);
  Json values = ValuesJson(control);
  if (!values.empty()) out["extra"] = std::move(values);
  if (!control.Children().empty()) {
    Json children = Json::array();
    for (const Window* child : control.Children()) children.push_back(ControlJson(*child, focus));
    out["children"] = std::move(children);
  }
  return out;
}

Json WindowJson(Ui& ui, Window& window) {
  const Rect screen{0, 0, ui.ScreenWidth(), ui.ScreenHeight()};
  Json controls = Json::array();
  for (const Window* child : window.Children()) controls.push_back(ControlJson(*child, ui.Focus()));
  MenuBar* bar = window.GetMenuBar();
  Json out{{"class", ClassNameOf(window)},
           {"caption", DumpText(window.Text())},
           {"fullScreen", window.WindowRect() == screen},
           {"okButton", window.ShowsOkButton()},
           {"rect", RectJson(window.WindowRect())},
           {"controls", std::move(controls)},
           {"menuBar", bar != nullptr && window.ShowsMenuBar() ? MenuItemsJson(bar->Items()) : Json::array()},
           {"painted", PaintedJson(window)}};
  Json values = ValuesJson(window);
  if (!values.empty()) out["extra"] = std::move(values);
  return out;
}

}  // namespace

std::string DumpText(WStringView text) {
  WString cleaned;
  cleaned.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    cleaned.push_back(text[i]);
  }
  return ToUtf8(cleaned);
}

nlohmann::ordered_json DumpUi(Ui& ui) {
  Json dump;
  dump["screen"] = Json{{"width", ui.ScreenWidth()},
                        {"height", ui.ScreenHeight()},
                        {"landscape", ui.ScreenWidth() > ui.ScreenHeight()}};
  Json windows = Json::array();
  for (Window* window : ui.TopLevels()) {
    if (window->IsVisible()) windows.push_back(WindowJson(ui, *window));
  }
  dump["windows"] = std::move(windows);
  Json popup = nullptr;
  Json box = nullptr;
  Json grid = nullptr;
  for (Window* window : ui.TopLevels()) {
    if (!window->IsVisible()) continue;
    if (auto* menu = dynamic_cast<PopupMenuWindow*>(window)) {
      // The deepest open menu of the chain is the one on top.
      popup = MenuItemsJson(menu->Items());
    } else if (auto* shown = dynamic_cast<MessageBoxDialog*>(window)) {
      Json buttons = Json::array();
      for (const WString& caption : shown->ButtonCaptions()) buttons.push_back(DumpText(caption));
      box = Json{{"caption", DumpText(shown->Caption())},
                 {"text", DumpText(shown->Message())},
                 {"icon", IconName(shown->Icon())},
                 {"buttons", std::move(buttons)}};
    }
    CellGrid cells;
    if (window->DescribeCellGrid(cells)) {
      Json items = Json::array();
      for (const PaintedText& cell : cells.cells)
        items.push_back(Json{{"title", DumpText(cell.text)}, {"rect", RectJson(ClientToScreen(*window, cell.rect))}});
      grid = Json{{"scrollOffset", cells.scrollOffset}, {"items", std::move(items)}};
    }
  }
  dump["popupMenu"] = std::move(popup);
  dump["messageBox"] = std::move(box);
  dump["waitCursor"] = ui.IsWaitCursor();
  dump["launcher"] = std::move(grid);
  return dump;
}

}  // namespace tarvo::ui::automation
