#pragma once
// The column of big caption buttons of the settings hub and the template
// chooser: sized by resolution class, centred on the screen both ways.
#include <vector>

#include "platform/ui/Geometry.h"

namespace tarvo {

struct ColumnButtonSize {
  int width;
  int height;
  int gap;
};

// 240 x 60 with 40-pixel gaps in classes 3, 4 and 7; 160 x 40 with 20 otherwise.
ColumnButtonSize ColumnButtonSizeFor(int resolutionClass);

// The rectangles of count buttons, top to bottom.
std::vector<ui::Rect> ButtonColumnRects(int resolutionClass, int screenWidth, int screenHeight, int count);

}  // namespace tarvo
