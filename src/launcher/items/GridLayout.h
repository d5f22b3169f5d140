#pragma once
// The launcher's icon grid: where each item's icon, caption and hit area lie
// for the screen's resolution class and orientation.
#include <vector>

#include "platform/ui/Geometry.h"

namespace tarvo {

using ui::Rect;

class GridLayout {
 public:
  // textHeight is kept as the band height; icon size and the per-class
  // constants come from the resolution class (1 to 7).
  GridLayout(int resolutionClass, int textHeight, int screenHeight);

  // Takes the orientation's constants, Top = Margin + scrollOffset, then Recompute.
  void Relayout(bool landscape, int scrollOffset, int itemCount);
  // Builds the three rectangle lists for itemCount items.
  void Recompute(int itemCount);
  void SetScreenHeight(int screenHeight) { screenHeight_ = screenHeight; }

  int ResolutionClass() const { return class_; }
  bool Landscape() const { return landscape_; }
  int Margin() const { return margin_; }
  int Top() const { return top_; }
  int IconWidth() const { return iconSize_; }
  int IconHeight() const { return iconSize_; }
  int ColumnPitch() const { return iconSize_ + margin_; }
  int RowPitch() const { return iconSize_ + textHeight_ * 3 / 2; }
  int CaptionOverhang() const { return overhang_; }
  int Columns() const { return columns_; }
  int BandHeight() const { return textHeight_; }
  int ContentHeight() const { return contentHeight_; }
  int SmallIconSize() const { return iconSize_ == 90 ? 54 : 27; }
  int SmallButtonSize() const { return iconSize_ == 90 ? 44 : 22; }
  const std::vector<Rect>& IconRects() const { return iconRects_; }
  const std::vector<Rect>& CaptionRects() const { return captionRects_; }
  const std::vector<Rect>& CellRects() const { return cellRects_; }
  // The 1-based index of the item whose cell is drawn under a screen point
  // while the grid shows at scrollOffset (the top band lies above the
  // screen); 0 when the point is on no cell.
  int HitTest(int x, int y, int scrollOffset) const;

 private:
  int class_;
  int textHeight_;
  int screenHeight_;
  int iconSize_;
  bool landscape_ = false;
  int columns_ = 4;
  int margin_ = 12;
  int overhang_ = 7;
  int top_ = 12;
  int contentHeight_ = 0;
  std::vector<Rect> iconRects_, captionRects_, cellRects_;
};

// One step of the spring-back after a drag, with offset o, content height C
// and screen height H; returns whether the grid moved.
bool SpringBackStep(int& offset, int contentHeight, int screenHeight);

}  // namespace tarvo
