#include "Raster.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace tarvo::pictures {

Color Hsl(double h, double s, double l, double a) {
  h = std::fmod(std::fmod(h, 360.0) + 360.0, 360.0);
  const double c = (1.0 - std::abs(2.0 * l - 1.0)) * s;
  const double x = c * (1.0 - std::abs(std::fmod(h / 60.0, 2.0) - 1.0));
  const double m = l - c / 2.0;
  double r = 0, g = 0, b = 0;
  if (h < 60) { r = c; g = x; }
  else if (h < 120) { r = x; g = c; }
  else if (h < 180) { g = c; b = x; }
  else if (h < 240) { g = x; b = c; }
  else if (h < 300) { r = x; b = c; }
  else { r = c; b = x; }
  return {static_cast<float>(r + m), static_cast<float>(g + m), static_cast<float>(b + m),
          static_cast<float>(a)};
}

Color Rgb(int r, int g, int b, double a) {
  return {r / 255.0f, g / 255.0f, b / 255.0f, static_cast<float>(a)};
}

Color Mix(const Color& from, const Color& to, double t) {
  const float k = static_cast<float>(std::clamp(t, 0.0, 1.0));
  return {from.r + (to.r - from.r) * k, from.g + (to.g - from.g) * k,
          from.b + (to.b - from.b) * k, from.a + (to.a - from.a) * k};
}

Color WithAlpha(Color c, double a) {
  c.a = static_cast<float>(a);
  return c;
}

Paint Solid(Color c) {
  return [c](double, double) { return c; };
}

Paint VerticalGradient(Color top, Color bottom) {
  return [=](double, double fy) { return Mix(top, bottom, fy); };
}

Raster::Raster(int width, int height, Color fill)
    : width_(std::max(width, 1)), height_(std::max(height, 1)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {}

const Color& Raster::At(int x, int y) const {
  x = std::clamp(x, 0, width_ - 1);
  y = std::clamp(y, 0, height_ - 1);
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

namespace {

// Source over with the source's alpha already scaled by its coverage.
void Blend(Color& dst, const Color& src, float sa) {
  sa = std::clamp(sa, 0.0f, 1.0f);
  const float outA = sa + dst.a * (1.0f - sa);
  if (outA <= 0.0f) return;
  const float keep = dst.a * (1.0f - sa);
  dst.r = (src.r * sa + dst.r * keep) / outA;
  dst.g = (src.g * sa + dst.g * keep) / outA;
  dst.b = (src.b * sa + dst.b * keep) / outA;
  dst.a = outA;
}

}  // namespace

void Raster::Draw(const Mask& mask, const Paint& paint) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float coverage = mask.At(x, y);
      if (coverage <= 0.0f) continue;
      const Color src = paint((x + 0.5) / width_, (y + 0.5) / height_);
      Blend(pixels_[static_cast<size_t>(y) * width_ + x], src, src.a * coverage);
    }
  }
}

void Raster::Place(const Raster& picture, int x, int y) {
  for (int py = 0; py < picture.Height(); ++py) {
    for (int px = 0; px < picture.Width(); ++px) {
      const int tx = x + px;
      const int ty = y + py;
      if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
      const Color& src = picture.At(px, py);
      Blend(pixels_[static_cast<size_t>(ty) * width_ + tx], src, src.a);
    }
  }
}

Raster Raster::HalfSize() const {
  Raster half(width_ / 2, height_ / 2);
  for (int y = 0; y < half.height_; ++y) {
    for (int x = 0; x < half.width_; ++x) {
      Color sum{0, 0, 0, 0};
      for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
          const Color& p = At(2 * x + dx, 2 * y + dy);
          sum.r += p.r * p.a;
          sum.g += p.g * p.a;
          sum.b += p.b * p.a;
          sum.a += p.a;
        }
      }
      Color& out = half.pixels_[static_cast<size_t>(y) * half.width_ + x];
      out = sum.a > 0 ? Color{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / 4} : Color{0, 0, 0, 0};
    }
  }
  return half;
}

namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

Uint8 ToByte(float v, float dither) {
  return static_cast<Uint8>(std::clamp(std::lround(v * 255.0f + dither), 0L, 255L));
}

// A fixed 4 x 4 ordered-dither offset in -0.5..0.5, so that gentle gradients
// do not show bands once quantised to 8 bits.
float DitherAt(int x, int y) {
  static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return (kBayer[y & 3][x & 3] + 0.5f) / 16.0f - 0.5f;
}

// Copies the raster into a new surface; without alpha, pixels are flattened
// onto white first.
SurfacePtr ToSurface(const Raster& raster, bool withAlpha, bool dither) {
  const Uint32 format = withAlpha ? SDL_PIXELFORMAT_RGBA32 : SDL_PIXELFORMAT_RGB24;
  SurfacePtr surface(
      SDL_CreateRGBSurfaceWithFormat(0, raster.Width(), raster.Height(), withAlpha ? 32 : 24, format),
      &SDL_FreeSurface);
  if (!surface) return surface;
  const int channels = withAlpha ? 4 : 3;
  for (int y = 0; y < raster.Height(); ++y) {
    auto* row = static_cast<Uint8*>(surface->pixels) + static_cast<ptrdiff_t>(y) * surface->pitch;
    for (int x = 0; x < raster.Width(); ++x) {
      Color c = raster.At(x, y);
      if (!withAlpha) c = Mix({1, 1, 1, 1}, {c.r, c.g, c.b, 1}, c.a);
      Uint8* p = row + static_cast<ptrdiff_t>(x) * channels;
      const float d = dither ? DitherAt(x, y) : 0.0f;
      p[0] = ToByte(c.r, d);
      p[1] = ToByte(c.g, d);
      p[2] = ToByte(c.b, d);
      if (withAlpha) p[3] = ToByte(c.a, 0.0f);
    }
  }
  return surface;
}

}  // namespace

bool Raster::SavePng(const std::string& path, bool withAlpha, std::string* error) const {
  SurfacePtr surface = ToSurface(*this, withAlpha, false);
  if (!surface || IMG_SavePNG(surface.get(), path.c_str()) != 0) {
    if (error) *error = path + ": " + SDL_GetError();
    return false;
  }
  return true;
}

bool Raster::SaveJpeg(const std::string& path, int quality, std::string* error) const {
  SurfacePtr surface = ToSurface(*this, false, true);
  if (!surface || IMG_SaveJPG(surface.get(), path.c_str(), quality) != 0) {
    if (error) *error = path + ": " + SDL_GetError();
    return false;
  }
  return true;
}

}  // namespace tarvo::pictures
