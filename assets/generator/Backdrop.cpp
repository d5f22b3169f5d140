#include "Backdrop.h"

#include <algorithm>
#include <cmath>

#include "Shapes.h"

namespace tarvo::pictures {

Raster DrawBackground(int width, int height) {
  Raster back(width, height);
  const double w = width;
  const double h = height;
  const Mask all = Mask::FromShape(width, height, 1.0, [](double, double) { return true; }, 1);
  back.Draw(all, [](double, double fy) {
    const Color top = Hsl(205, 0.62, 0.85);
    const Color middle = Hsl(188, 0.45, 0.90);
    const Color bottom = Hsl(160, 0.42, 0.84);
    return fy < 0.55 ? Mix(top, middle, fy / 0.55) : Mix(middle, bottom, (fy - 0.55) / 0.45);
  });

  // Soft light discs.
  struct Disc {
    double x, y, r, alpha;
  };
  constexpr Disc kDiscs[] = {
      {0.82, 0.12, 0.30, 0.22}, {0.15, 0.30, 0.22, 0.16}, {0.70, 0.45, 0.12, 0.18},
      {0.25, 0.62, 0.34, 0.12}, {0.90, 0.70, 0.20, 0.14}, {0.45, 0.20, 0.08, 0.20},
  };
  for (const Disc& d : kDiscs) {
    const Mask disc = Mask::FromShape(width, height, 1.0, Circle(d.x * w, d.y * h, d.r * w), 2)
                          .Blurred(std::max(2, width / 80));
    back.Draw(disc, Rgb(255, 255, 255, d.alpha));
  }

  // Two gentle waves near the bottom.
  const auto wave = [&](double base, double amplitude, double periods, double phase) {
    return Mask::FromShape(width, height, 1.0,
                           [=](double x, double y) {
                             const double t = x / w * periods * 2 * 3.14159265358979;
                             return y > base * h + amplitude * h * std::sin(t + phase);
                           },
                           2)
        .Blurred(1);
  };
  back.Draw(wave(0.78, 0.025, 1.2, 0.6), Rgb(255, 255, 255, 0.28));
  back.Draw(wave(0.86, 0.02, 0.9, 2.4), Hsl(170, 0.40, 0.55, 0.14));
  return back;
}

}  // namespace tarvo::pictures
