#pragma once
// Where the Soku series screen puts each text: per series a title line, per
// episode group a label line (a group without a label starts its cells on
// that line), then its items in a grid of cells of n + 1 character widths.
#include <functional>
#include <vector>

#include "video/screens/CVirtualSeriesVideo.h"
#include "video/soku/SokuResults.h"

namespace tarvo::video {

// The item a cell stands for.
struct SokuCellItem {
  size_t series = 0;
  size_t group = 0;
  size_t index = 0;
};

struct SokuGeometry {
  int screenWidth = 240;
  int visibleHeight = 320;
  int rowHeight = 27;   // 1.5 x the text height
  int charWidth = 18;   // the CJK advance
  int scrollBarWidth = 13;
  std::function<int(WStringView)> textWidth;
};

inline constexpr int kSokuLeftBorder = 5;

struct SokuSeriesLayout {
  std::vector<SeriesCell> cells;     // item = index into items, -1 for titles and labels
  std::vector<SokuCellItem> items;
  int cellChars = 9;
  int cellWidth = 0;
  int cellsPerRow = 1;
  int left = kSokuLeftBorder;        // the grid's left edge
  int contentHeight = 0;
};

// cellChars is 5 (captions) or 9 (titles).
SokuSeriesLayout LayOutSokuSeries(const std::vector<soku::SokuSeries>& series, int cellChars,
                                  const SokuGeometry& geometry);

// The text of a cell: the caption (5 wide) or the title (9 wide), the
// duration when that is empty; wider than n characters it becomes its first
// n - 1 characters (whole ones) and "..".
WString SokuCellText(const VideoRecord& item, int cellChars, int charWidth,
                     const std::function<int(WStringView)>& textWidth);

}  // namespace tarvo::video
