#pragma once
// Where the series screen puts each text: per entry a title line (a feature
// or trailer with its one video is that one tappable line), per episode
// group its name over two lines, then its episodes in a grid of columns.
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
};

// variety: two columns of half the width; otherwise the cell is the first
// episode name's width plus a row unit (a row unit alone when there is no
// episode), and as many columns as fit, at least one.
SeriesLayout LayOutSeries(const std::vector<SectionEntry>& entries, bool variety, const SeriesGeometry& geometry);

}  // namespace tarvo::video
