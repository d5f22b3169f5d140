#include "Lettering.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace tarvo::pictures {

namespace {

constexpr int kRenderPointSize = 256;

struct InkBox {
  int left, top, right, bottom;  // right and bottom exclusive
};

Uint8 AlphaAt(const SDL_Surface* s, int x, int y) {
  const auto* row = static_cast<const Uint8*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch;
  const Uint32 pixel = reinterpret_cast<const Uint32*>(row)[x];
  Uint8 r, g, b, a;
  SDL_GetRGBA(pixel, s->format, &r, &g, &b, &a);
  return a;
}

InkBox FindInk(const SDL_Surface* s) {
  InkBox box{s->w, s->h, 0, 0};
  for (int y = 0; y < s->h; ++y) {
    for (int x = 0; x < s->w; ++x) {
      if (AlphaAt(s, x, y) == 0) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box;
}

}  // namespace

Lettering::Lettering(const std::string& fontPath) {
  font_ = TTF_OpenFont(fontPath.c_str(), kRenderPointSize);
}

Lettering::~Lettering() {
  if (font_ != nullptr) TTF_CloseFont(font_);
}

Mask Lettering::Text(int width, int height, const std::string& utf8, double cx, double cy,
                     double boxWidth, double boxHeight) const {
  Mask mask(width, height);
  if (font_ == nullptr || utf8.empty()) return mask;
  std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> rendered(
      TTF_RenderUTF8_Blended(font_, utf8.c_str(), SDL_Color{255, 255, 255, 255}),
      &SDL_FreeSurface);
  if (!rendered || rendered->format->BytesPerPixel != 4) return mask;
  const SDL_Surface* s = rendered.get();
  const InkBox ink = FindInk(s);
  if (ink.right <= ink.left || ink.bottom <= ink.top) return mask;

  const double inkW = ink.right - ink.left;
  const double inkH = ink.bottom - ink.top;
  const double scale = std::min(boxWidth / inkW, boxHeight / inkH);  // output px per source px
  const double originX = cx - inkW * scale / 2.0;
  const double originY = cy - inkH * scale / 2.0;

  // Each output pixel averages the source pixels whose centres fall inside it.
  for (int y = 0; y < height; ++y) {
    const double sy0 = (y - originY) / scale + ink.top;
    const double sy1 = (y + 1 - originY) / scale + ink.top;
    const int fromY = std::max(ink.top, static_cast<int>(std::ceil(sy0 - 0.5)));
    const int toY = std::min(ink.bottom, static_cast<int>(std::ceil(sy1 - 0.5)));
    if (fromY >= toY) continue;
    for (int x = 0; x < width; ++x) {
      const double sx0 = (x - originX) / scale + ink.left;
      const double sx1 = (x + 1 - originX) / scale + ink.left;
      const int fromX = std::max(ink.left, static_cast<int>(std::ceil(sx0 - 0.5)));
      const int toX = std::min(ink.right, static_cast<int>(std::ceil(sx1 - 0.5)));
      if (fromX >= toX) continue;
      double sum = 0;
      for (int py = fromY; py < toY; ++py)
        for (int px = fromX; px < toX; ++px) sum += AlphaAt(s, px, py);
      const double cells = ((sy1 - sy0) * (sx1 - sx0));
      mask.Set(x, y, static_cast<float>(sum / 255.0 / std::max(cells, 1.0)));
    }
  }
  return mask;
}

}  // namespace tarvo::pictures
