#pragma once
// What a window tells scripts and tests about itself beyond its controls:
// texts it paints itself, a scrolling grid of captioned cells, and a few
// named values. Filled on the UI thread by the Window's Describe hooks.
#include <string>
#include <utility>
#include <vector>

#include "platform/text/WString.h"
#include "platform/ui/Geometry.h"

namespace tarvo::ui {

// A text drawn by the window itself; rect in the window's client coordinates.
struct PaintedText {
  WString text;
  Rect rect;
};

// A grid of cells that scrolls by drags and comes to rest only at the given
// offsets (the launcher's icons). Cell rectangles are client coordinates at
// the current offset; a cell at offset o lies moved by o - scrollOffset.
struct CellGrid {
  int scrollOffset = 0;
  std::vector<int> restingOffsets;
  std::vector<PaintedText> cells;
};

// Named values a screen shows (a ticker's text, thumbnails loaded), dumped
// as strings under the window's "extra".
using DescribedValues = std::vector<std::pair<std::string, std::string>>;

}  // namespace tarvo::ui
