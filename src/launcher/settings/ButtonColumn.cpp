#include "launcher/settings/ButtonColumn.h"

namespace tarvo {

ColumnButtonSize ColumnButtonSizeFor(int resolutionClass) {
  if (resolutionClass == 3 || resolutionClass == 4 || resolutionClass == 7) return {240, 60, 40};
  return {160, 40, 20};
}

std::vector<ui::Rect> ButtonColumnRects(int resolutionClass, int screenWidth, int screenHeight, int count) {
  const ColumnButtonSize size = ColumnButtonSizeFor(resolutionClass);
  std::vector<ui::Rect> rects;
  if (count <= 0) return rects;
  const int left = (screenWidth - size.width) / 2;
  int top = (screenHeight - count * size.height - (count - 1) * size.gap) / 2;
  for (int i = 0; i < count; ++i) {
    rects.push_back(ui::Rect{left, top, left + size.width, top + size.height});
    top += size.height + size.gap;
  }
  return rects;
}

}  // namespace tarvo
