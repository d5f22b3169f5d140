#pragma once
// A coverage map: one value from 0 (outside) to 1 (inside) per pixel. Shapes,
// text and effects are turned into masks, and masks are painted onto a Raster.
#include <functional>
#include <vector>

namespace tarvo::pictures {

// Inside test in design units: the picture spans 0..100 on its shorter side
// (see Mask::FromShape for the mapping).
using Shape = std::function<bool(double x, double y)>;

class Mask {
 public:
  Mask(int width, int height);

  // Coverage of shape at every pixel, estimated with samples x samples points
  // per pixel. unitsPerPixel maps pixels to design units (x = (px + s) * unitsPerPixel).
  static Mask FromShape(int width, int height, double unitsPerPixel, const Shape& shape,
                        int samples = 5);

  int Width() const { return width_; }
  int Height() const { return height_; }
  float At(int x, int y) const;  // 0 outside the map
  void Set(int x, int y, float value);

  Mask& Unite(const Mask& other);     // max of both
  Mask& Subtract(const Mask& other);  // this * (1 - other)
  Mask& Multiply(const Mask& other);  // this * other
  Mask& Scale(float factor);          // every value times factor, capped at 1
  Mask Blurred(int radius) const;     // two box-blur passes
  Mask Shifted(int dx, int dy) const;

 private:
  int width_;
  int height_;
  std::vector<float> values_;
};

}  // namespace tarvo::pictures
