#include "main/LauncherState.h"

#include <nlohmann/json.hpp>

#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

nlohmann::json RectJson(const ui::Rect& rect) {
  return nlohmann::json::array({rect.left, rect.top, rect.right, rect.bottom});
}

}  // namespace

std::string LauncherStateJson(CTarvoApp& app) {
  const ScreenMetrics& metrics = app.Metrics;
  nlohmann::ordered_json state;
  state["ScreenWidth"] = metrics.ScreenWidth;
  state["ScreenHeight"] = metrics.ScreenHeight;
  state["ResolutionClass"] = metrics.ResolutionClass;
  state["TextHeight"] = metrics.TextHeight;
  state["ButtonWidth"] = metrics.ButtonWidth;
  state["ButtonHeight"] = metrics.ButtonHeight;
  state["IsV9Device"] = app.IsV9Device;
  state["DeviceVersion"] = ToUtf8(app.DeviceVersion);
  state["TemplateStyle"] = app.TemplateStyle();
  nlohmann::ordered_json items = nlohmann::ordered_json::array();
  for (const LauncherItem& item : app.LauncherItems) {
    items.push_back({{"kind", item.Kind},
                     {"title", ToUtf8(item.Title)},
                     {"iconPath", ToUtf8(item.IconPath)},
                     {"command", ToUtf8(item.ExePath)}});
  }
  state["items"] = items;
  // The rectangles as the layout makes them at scroll offset 0.
  GridLayout layout = *app.Layout;
  layout.Relayout(metrics.ScreenWidth > metrics.ScreenHeight, 0,
                  static_cast<int>(app.LauncherItems.size()));
  nlohmann::ordered_json rects = nlohmann::ordered_json::array();
  for (size_t i = 0; i < layout.IconRects().size(); ++i) {
    rects.push_back({{"icon", RectJson(layout.IconRects()[i])},
                     {"caption", RectJson(layout.CaptionRects()[i])},
                     {"cell", RectJson(layout.CellRects()[i])}});
  }
  state["layout"] = {{"Landscape", layout.Landscape()},     {"Columns", layout.Columns()},
                     {"Margin", layout.Margin()},           {"Top", layout.Top()},
                     {"IconWidth", layout.IconWidth()},     {"ColumnPitch", layout.ColumnPitch()},
                     {"RowPitch", layout.RowPitch()},       {"BandHeight", layout.BandHeight()},
                     {"ContentHeight", layout.ContentHeight()}, {"rects", rects}};
  return state.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace tarvo
