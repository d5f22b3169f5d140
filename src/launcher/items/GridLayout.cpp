#include "launcher/items/GridLayout.h"

#include <algorithm>

namespace tarvo {
namespace {

constexpr int kSpringStep = 50;

struct ClassConstants {
  int resolutionClass;
  int iconSize;
  int columns[2];   // portrait, landscape
  int margin[2];
  int overhang[2];
};

constexpr ClassConstants kClasses[] = {
    {1, 45, {4, 5}, {12, 15}, {7, 10}},  {2, 45, {4, 6}, {12, 18}, {7, 13}},
    {6, 45, {4, 4}, {28, 28}, {23, 23}}, {5, 45, {4, 6}, {28, 30}, {23, 25}},
    {7, 90, {4, 4}, {24, 24}, {19, 19}}, {3, 90, {4, 5}, {24, 31}, {19, 26}},
    {4, 90, {4, 6}, {24, 37}, {19, 32}},
};

const ClassConstants& ConstantsOf(int resolutionClass) {
  for (const auto& constants : kClasses) {
    if (constants.resolutionClass == resolutionClass) return constants;
  }
  return kClasses[0];
}

}  // namespace

GridLayout::GridLayout(int resolutionClass, int textHeight, int screenHeight)
    : class_(resolutionClass),
      textHeight_(textHeight),
      screenHeight_(screenHeight),
      iconSize_(ConstantsOf(resolutionClass).iconSize) {}

void GridLayout::Relayout(bool landscape, int scrollOffset, int itemCount) {
  const ClassConstants& constants = ConstantsOf(class_);
  const int orientation = landscape ? 1 : 0;
  landscape_ = landscape;
  columns_ = constants.columns[orientation];
  margin_ = constants.margin[orientation];
  overhang_ = constants.overhang[orientation];
  top_ = margin_ + scrollOffset;
  Recompute(itemCount);
}

void GridLayout::Recompute(int itemCount) {
  iconRects_.clear();
  captionRects_.clear();
  cellRects_.clear();
  int column = 0, row = 0;
  for (int i = 0; i < itemCount; ++i) {
    if (column == columns_) column = 0, ++row;
    const int x = margin_ + column * ColumnPitch();
    const int y = top_ + BandHeight() + row * RowPitch();
    iconRects_.push_back(Rect{x, y, x + iconSize_, y + iconSize_});
    const int captionTop = BandHeight() + row * RowPitch() + iconSize_ + top_;
    const Rect caption{margin_ - overhang_ + column * ColumnPitch(), captionTop,
                       margin_ + overhang_ + column * ColumnPitch() + iconSize_,
                       captionTop + textHeight_ + 2};
    captionRects_.push_back(caption);
    cellRects_.push_back(Rect{caption.left, caption.top - iconSize_, caption.right, caption.bottom});
    ++column;
  }
  contentHeight_ = std::max(margin_ + (itemCount == 0 ? 0 : row + 1) * RowPitch(), screenHeight_);
}

int GridLayout::HitTest(int x, int y, int scrollOffset) const {
  // Cells are laid out below the top band; the screen shows the grid from
  // just under it, moved by the scroll offset.
  const ui::Point point{x, y - scrollOffset + BandHeight()};
  for (size_t i = 0; i < cellRects_.size(); ++i) {
    if (cellRects_[i].Contains(point)) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool SpringBackStep(int& offset, int contentHeight, int screenHeight) {
  if (offset == 0) return false;
  if (offset > 0) {
    offset = offset <= kSpringStep ? 0 : offset - kSpringStep;
    return true;
  }
  const int beyondEnd = contentHeight - screenHeight + offset;
  if (beyondEnd == 0) return false;
  if (beyondEnd > 0) {
    offset = screenHeight - contentHeight;
  } else {
    offset = beyondEnd + kSpringStep <= 0 ? offset + kSpringStep : screenHeight - contentHeight;
  }
  return true;
}

}  // namespace tarvo
