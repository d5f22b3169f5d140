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
  // SDL_ttf counts its initialisations, so each Lettering holds one.
  initialised_ = TTF_Init() == 0;
  if (initialised_) font_ = TTF_OpenFont(fontPath.c_str(), kRenderPointSize);
}

Lettering::~Lettering() {
  if (font_ != nullptr) TTF_CloseFont(font_);
  if (initialised_) TTF_Quit();
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

  // Each output pixel averages the source pixels whose centres fall inside it
  // (pixels outside the ink box count as empty).
  for (int y = 0; y < height; ++y) {
    const int firstY = static_cast<int>(std::ceil((y - originY) / scale + ink.top - 0.5));
    const int endY = static_cast<int>(std::ceil((y + 1 - originY) / scale + ink.top - 0.5));
    if (endY <= ink.top || firstY >= ink.bottom || endY <= firstY) continue;
    for (int x = 0; x < width; ++x) {
      const int firstX = static_cast<int>(std::ceil((x - originX) / scale + ink.left - 0.5));
      const int endX = static_cast<int>(std::ceil((x + 1 - originX) / scale + ink.left - 0.5));
      if (endX <= ink.left || firstX >= ink.right || endX <= firstX) continue;
      double sum = 0;
      for (int py = std::max(firstY, ink.top); py < std::min(endY, ink.bottom); ++py)
        for (int px = std::max(firstX, ink.left); px < std::min(endX, ink.right); ++px)
          sum += AlphaAt(s, px, py);
      const double count = static_cast<double>(endY - firstY) * (endX - firstX);
      mask.Set(x, y, static_cast<float>(sum / 255.0 / count));
    }
  }
  return mask;
}

}  // namespace tarvo::pictures
