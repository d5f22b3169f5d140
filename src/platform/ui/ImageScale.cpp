#include "platform/ui/ImageScale.h"

#include <algorithm>
#include <vector>

namespace tarvo::ui {

Canvas ScaleSmooth(const Canvas& source, int width, int height) {
  if (source.IsEmpty() || width <= 0 || height <= 0) return Canvas();
  Canvas out(width, height, source.Format(), 0);
  const int sw = source.Width(), sh = source.Height();
  const bool alpha = source.Format() == PixelFormat::Rgba;
  const uint32_t* in = source.Pixels();
  uint32_t* dest = out.Pixels();
  for (int y = 0; y < height; ++y) {
    // Source rows [y0, y1) cover this row (at least one).
    const int y0 = static_cast<int>(static_cast<int64_t>(y) * sh / height);
    const int y1 = std::max(y0 + 1, static_cast<int>(static_cast<int64_t>(y + 1) * sh / height));
    for (int x = 0; x < width; ++x) {
      const int x0 = static_cast<int>(static_cast<int64_t>(x) * sw / width);
      const int x1 = std::max(x0 + 1, static_cast<int>(static_cast<int64_t>(x + 1) * sw / width));
      uint64_t a = 0, r = 0, g = 0, b = 0, n = 0;
      for (int sy = y0; sy < y1 && sy < sh; ++sy) {
        for (int sx = x0; sx < x1 && sx < sw; ++sx) {
          const uint32_t p = in[static_cast<size_t>(sy) * sw + sx];
          const uint64_t pa = alpha ? (p >> 24) : 255;
          a += pa;
          r += ((p >> 16) & 0xFF) * pa;
          g += ((p >> 8) & 0xFF) * pa;
          b += (p & 0xFF) * pa;
          ++n;
        }
      }
      uint32_t pixel = 0;
      if (a > 0) {
        pixel = (static_cast<uint32_t>(r / a) << 16) | (static_cast<uint32_t>(g / a) << 8) |
                static_cast<uint32_t>(b / a);
      }
      const uint32_t outAlpha = alpha ? static_cast<uint32_t>(a / n) : 255;
      dest[static_cast<size_t>(y) * width + x] = (outAlpha << 24) | pixel;
    }
  }
  return out;
}

}  // namespace tarvo::ui
