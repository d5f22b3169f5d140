#include "IconFrame.h"

#include <algorithm>
#include <cmath>

namespace tarvo::pictures {

namespace {

// Plate corners in design units; the margin leaves room for its shadow.
constexpr double kPlateLeft = 4, kPlateTop = 3, kPlateRight = 96, kPlateBottom = 95;
constexpr double kPlateRadius = 20;

}  // namespace

Mask SymbolCanvas::Fill(const Shape& shape) const {
  return Mask::FromShape(size_, size_, 100.0 / size_, shape);
}

Mask SymbolCanvas::Text(const std::string& utf8, double cx, double cy, double w, double h) const {
  const double pixels = size_ / 100.0;
  return bold_.Text(size_, size_, utf8, cx * pixels, cy * pixels, w * pixels, h * pixels);
}

Raster DrawIcon(int size, PlateColor color, const Mask& symbol) {
  Raster icon(size, size);
  const double unit = 100.0 / size;
  const int px = std::max(1, static_cast<int>(std::lround(size / 45.0)));  // 1 at 45, 2 at 90

  const Shape plateShape = RoundRect(kPlateLeft, kPlateTop, kPlateRight, kPlateBottom, kPlateRadius);
  const Mask plate = Mask::FromShape(size, size, unit, plateShape);

  // Drop shadow under the plate.
  Mask shadow = plate.Shifted(0, px).Blurred(px);
  icon.Draw(shadow, Rgb(0, 0, 0, 0.35));

  const Color top = Hsl(color.hue, color.saturation, std::min(color.lightness + 0.12, 0.92));
  const Color bottom = Hsl(color.hue, color.saturation, std::max(color.lightness - 0.10, 0.08));
  icon.Draw(plate, VerticalGradient(top, bottom));

  // Gloss: a faint light ellipse over the upper part of the plate.
  const Mask gloss = Mask::FromShape(
      size, size, unit, Intersect(plateShape, Ellipse(50, -8, 85, 52)));
  icon.Draw(gloss, Rgb(255, 255, 255, 0.16));

  // A thin darker rim keeps the plate apart from light backgrounds.
  const Mask inner = Mask::FromShape(
      size, size, unit,
      RoundRect(kPlateLeft + 1.3 * unit, kPlateTop + 1.3 * unit, kPlateRight - 1.3 * unit,
                kPlateBottom - 1.3 * unit, kPlateRadius - 1.3 * unit));
  Mask rim = plate;
  rim.Subtract(inner);
  icon.Draw(rim, Hsl(color.hue, color.saturation, std::max(color.lightness - 0.25, 0.05), 0.55));

  // Symbol shadow, then the symbol itself (kept inside the plate).
  Mask clipped = symbol;
  clipped.Multiply(plate);
  Mask symbolShadow = clipped.Shifted(0, px).Blurred(std::max(1, px / 2));
  symbolShadow.Multiply(plate);
  icon.Draw(symbolShadow, Rgb(0, 0, 0, 0.30));
  icon.Draw(clipped, Rgb(255, 255, 255));
  return icon;
}

}  // namespace tarvo::pictures
