#include "platform/ui/ImageList.h"

#include <algorithm>

namespace tarvo::ui {

ImageList::ImageList(int width, int height, std::optional<Color> transparent)
    : width_(std::max(1, width)), height_(std::max(1, height)), transparent_(transparent) {}

Canvas ImageList::Fit(const Canvas& image) const {
  Canvas fitted(width_, height_, PixelFormat::Rgba, 0);
  if (image.IsEmpty()) return fitted;
  // Nearest-neighbour copy that keeps the source's alpha.
  for (int y = 0; y < height_; ++y) {
    int sy = y * image.Height() / height_;
    for (int x = 0; x < width_; ++x) {
      int sx = x * image.Width() / width_;
      uint32_t p = image.PixelAt(sx, sy);
      if (image.Format() == PixelFormat::Xrgb) p |= 0xFF000000;
      if (transparent_ && (p & 0xFFFFFF) == (*transparent_ & 0xFFFFFF)) p = 0;
      fitted.SetPixel(x, y, p);
    }
  }
  return fitted;
}

int ImageList::Add(const Canvas& image) {
  images_.push_back(Fit(image));
  return Count() - 1;
}

bool ImageList::Replace(int index, const Canvas& image) {
  if (index < 0 || index >= Count()) return false;
  images_[static_cast<size_t>(index)] = Fit(image);
  return true;
}

void ImageList::Draw(Canvas& canvas, int index, Point at) const {
  if (index < 0 || index >= Count()) return;
  const Canvas& image = images_[static_cast<size_t>(index)];
  canvas.Draw(image, Rect{0, 0, width_, height_}, at);
}

}  // namespace tarvo::ui
