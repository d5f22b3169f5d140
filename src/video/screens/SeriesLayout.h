#pragma once
// Where the series screen puts each text: per entry a title line (a feature
// or trailer with its one video is that one tappable line), per named episode
// group its name line, then its episodes in a grid of columns.
#include <functional>
#include <vector>

#include "video/VideoRecord.h"
#include "video/YoukuResult.h"
#include "video/screens/CVirtualSeriesVideo.h"

namespace tarvo::video {

struct SeriesLayout {
  std::vector<SeriesCell> cells;
  std::vector<VideoRecord> items;  // what the cells' item numbers play
  int columns = 1;
  int cellWidth = 0;
  int contentHeight = 0;
};

struct SeriesGeometry {
  int screenWidth = 240;
  int lineHeight = 27;  // 1.5 row units
  int rowUnit = 18;
  std::function<int(WStringView)> textWidth;
  int scrollBarWidth = 0;  // kept free at the right edge
};

// variety: two columns of half the width; otherwise the cell is the widest
// episode name plus a row unit (a row unit alone when there is no episode),
// never wider than the usable width, and as many columns as fit, at least
// one. A text wider than its cell is cut after a whole character and ends
// in "..", so no text runs into its neighbour.
SeriesLayout LayOutSeries(const std::vector<SectionEntry>& entries, bool variety, const SeriesGeometry& geometry);

// The longest start of text that fits maxWidth, text itself when it fits;
// a cut text ends in "..".
WString CutToWidth(WStringView text, int maxWidth, const std::function<int(WStringView)>& textWidth);

}  // namespace tarvo::video
