#include "Mask.h"

#include <algorithm>

namespace tarvo::pictures {

Mask::Mask(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      values_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0.0f) {}

Mask Mask::FromShape(int width, int height, double unitsPerPixel, const Shape& shape,
                     int samples) {
  Mask mask(width, height);
  samples = std::max(samples, 1);
  const double step = 1.0 / samples;
  const float perSample = 1.0f / static_cast<float>(samples * samples);
  for (int y = 0; y < mask.height_; ++y) {
    for (int x = 0; x < mask.width_; ++x) {
      float covered = 0.0f;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          const double ux = (x + (sx + 0.5) * step) * unitsPerPixel;
          const double uy = (y + (sy + 0.5) * step) * unitsPerPixel;
          if (shape(ux, uy)) covered += perSample;
        }
      }
      mask.Set(x, y, covered);
    }
  }
  return mask;
}

float Mask::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0f;
  return values_[static_cast<size_t>(y) * width_ + x];
}

void Mask::Set(int x, int y, float value) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  values_[static_cast<size_t>(y) * width_ + x] = std::clamp(value, 0.0f, 1.0f);
}

Mask& Mask::Unite(const Mask& other) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) Set(x, y, std::max(At(x, y), other.At(x, y)));
  return *this;
}

Mask& Mask::Subtract(const Mask& other) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) Set(x, y, At(x, y) * (1.0f - other.At(x, y)));
  return *this;
}

Mask& Mask::Multiply(const Mask& other) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) Set(x, y, At(x, y) * other.At(x, y));
  return *this;
}

Mask& Mask::Scale(float factor) {
  for (float& value : values_) value = std::clamp(value * factor, 0.0f, 1.0f);
  return *this;
}

namespace {

// One horizontal or vertical box-blur pass; pixels beyond the edge count as 0.
Mask BoxPass(const Mask& in, int radius, bool horizontal) {
  Mask out(in.Width(), in.Height());
  const float norm = 1.0f / static_cast<float>(2 * radius + 1);
  for (int y = 0; y < in.Height(); ++y) {
    for (int x = 0; x < in.Width(); ++x) {
      float sum = 0.0f;
      for (int d = -radius; d <= radius; ++d)
        sum += horizontal ? in.At(x + d, y) : in.At(x, y + d);
      out.Set(x, y, sum * norm);
    }
  }
  return out;
}

}  // namespace

Mask Mask::Blurred(int radius) const {
  if (radius <= 0) return *this;
  Mask result = *this;
  for (int pass = 0; pass < 2; ++pass) {
    result = BoxPass(result, radius, true);
    result = BoxPass(result, radius, false);
  }
  return result;
}

Mask Mask::Shifted(int dx, int dy) const {
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.Set(x, y, At(x - dx, y - dy));
  return out;
}

}  // namespace tarvo::pictures
