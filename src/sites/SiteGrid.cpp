#include "sites/SiteGrid.h"

#include <algorithm>

namespace tarvo {
namespace {

constexpr int kCellGap = 5;
constexpr size_t kSchemeLength = 7;  // "http://"

}  // namespace

int SiteGridColumns(int screenWidth, int scrollBarWidth, int minCellWidth) {
  const int room = screenWidth - scrollBarWidth;
  const int cell = std::max(1, minCellWidth + kCellGap);
  return std::max(1, room / cell);
}

int SiteGridColumnWidth(int screenWidth, int scrollBarWidth, int columns) {
  return std::max(0, (screenWidth - scrollBarWidth) / std::max(1, columns));
}

std::vector<SiteCell> PlaceSites(size_t count, int columns) {
  columns = std::max(1, columns);
  std::vector<SiteCell> cells;
  cells.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const int index = static_cast<int>(i);
    cells.push_back({index / columns, index % columns});
  }
  return cells;
}

WString SiteUrlShown(WStringView url) {
  return WString(url.size() >= kSchemeLength ? url.substr(kSchemeLength) : url);
}

}  // namespace tarvo
