#pragma once
// Where the site directory's grid puts each site, as pure functions of the
// screen: columns of at least the minimum cell width plus a 5-pixel gap
// across the width less the scroll bar, filled row by row from the left.
#include <vector>

#include "platform/text/WString.h"

namespace tarvo {

struct SiteCell {
  int row = 0;
  int column = 0;
  bool operator==(const SiteCell&) const = default;
};

// (width - scrollBar) / (minCellWidth + 5), and at least 1 on a narrow screen.
int SiteGridColumns(int screenWidth, int scrollBarWidth, int minCellWidth);
// Each column's width: (width - scrollBar) / columns, never below 0.
int SiteGridColumnWidth(int screenWidth, int scrollBarWidth, int columns);
// The cell of each of count sites, in order.
std::vector<SiteCell> PlaceSites(size_t count, int columns);

// The editor's second column: the URL without its first seven characters
// (the "http://"); a shorter URL shows whole.
WString SiteUrlShown(WStringView url);

}  // namespace tarvo
