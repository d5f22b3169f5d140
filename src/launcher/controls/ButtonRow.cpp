#include "launcher/controls/ButtonRow.h"

#include <algorithm>

namespace tarvo {

std::vector<ui::Rect> BottomButtonRow(const ui::Rect& client, int count, int width, int height) {
  constexpr int kGap = 5;
  std::vector<ui::Rect> rects;
  // Narrower buttons rather than a last one cut off by the screen's edge.
  if (count > 0 && count * width + (count - 1) * kGap > client.Width())
    width = std::max(1, (client.Width() - (count - 1) * kGap) / count);
  const int top = client.bottom - height;
  for (int i = 0; i < count; ++i) {
    const int left = client.left + i * (width + kGap);
    rects.push_back(ui::Rect{left, top, left + width, top + height});
  }
  return rects;
}

}  // namespace tarvo
