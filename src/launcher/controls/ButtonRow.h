#pragma once
// A row of equal buttons along the bottom of a client area, from its left
// edge, 5 pixels apart; narrowed when the row would not fit the width.
#include <vector>

#include "platform/ui/Geometry.h"

namespace tarvo {

std::vector<ui::Rect> BottomButtonRow(const ui::Rect& client, int count, int width, int height);

}  // namespace tarvo
