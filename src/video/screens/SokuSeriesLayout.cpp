#include "video/screens/SokuSeriesLayout.h"

#include <algorithm>

namespace tarvo::video {

WString SokuCellText(const VideoRecord& item, int cellChars, int charWidth,
                     const std::function<int(WStringView)>& textWidth) {
  WString text = cellChars == 5 ? item.spare : item.title;
  if (text.empty()) text = item.duration;
  if (textWidth(text) <= cellChars * charWidth) return text;
  // The first n - 1 characters, a surrogate pair counting as one.
  size_t end = 0;
  for (int chars = 0; chars < cellChars - 1 && end < text.size(); ++chars) {
    const char16_t c = text[end];
    end += (c >= 0xD800 && c <= 0xDBFF && end + 1 < text.size()) ? 2 : 1;
  }
  return text.substr(0, end) + u"..";
}

SokuSeriesLayout LayOutSokuSeries(const std::vector<soku::SokuSeries>& series, int cellChars,
                                  const SokuGeometry& g) {
  SokuSeriesLayout layout;
  layout.cellChars = cellChars;
  layout.cellWidth = (cellChars + 1) * g.charWidth;
  layout.cellsPerRow =
      std::max(1, (g.screenWidth - kSokuLeftBorder - g.scrollBarWidth) / std::max(1, layout.cellWidth));
  const int row = g.rowHeight;
  size_t cellCount = 0;
  for (const auto& s : series) {
    layout.contentHeight += row;
    for (const auto& group : s.groups) {
      const int k = static_cast<int>(group.items.size());
      const int lines = k <= 1 ? 1 : (k - 1) / layout.cellsPerRow + 1;
      layout.contentHeight += 2 * row + lines * row;
      cellCount += group.items.size();
    }
  }
  if (cellCount >= 2) {
    const int scrollBar = layout.contentHeight > g.visibleHeight ? g.scrollBarWidth : 0;
    layout.left = (g.screenWidth + g.charWidth - layout.cellsPerRow * layout.cellWidth - scrollBar) / 2;
  }
  int y = 0;
  for (size_t s = 0; s < series.size(); ++s) {
    if (!series[s].title.empty())
      layout.cells.push_back(SeriesCell{series[s].title, ui::Rect{layout.left, y, g.screenWidth, y + row}, -1});
    y += row;
    for (size_t gi = 0; gi < series[s].groups.size(); ++gi) {
      const soku::SokuGroup& group = series[s].groups[gi];
      if (!group.label.empty()) {
        layout.cells.push_back(SeriesCell{group.label, ui::Rect{layout.left, y, g.screenWidth, y + row}, -1});
        y += row;
      }
      const int lines = group.items.size() <= 1 ? 1 : static_cast<int>(group.items.size() - 1) / layout.cellsPerRow + 1;
      for (size_t k = 0; k < group.items.size(); ++k) {
        const int column = static_cast<int>(k) % layout.cellsPerRow;
        const int line = static_cast<int>(k) / layout.cellsPerRow;
        const int x = layout.left + column * layout.cellWidth;
        const int top = y + line * row;
        layout.cells.push_back(SeriesCell{SokuCellText(group.items[k], cellChars, g.charWidth, g.textWidth),
                                          ui::Rect{x, top, x + layout.cellWidth, top + row},
                                          static_cast<int>(layout.items.size())});
        layout.items.push_back(SokuCellItem{s, gi, k});
      }
      y += lines * row;
    }
  }
  return layout;
}

}  // namespace tarvo::video
