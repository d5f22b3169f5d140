#include "Buttons.h"

#include <algorithm>
#include <cmath>

namespace tarvo::pictures {

Raster DrawPageButton(int width, int height, PlateColor color, ArrowDirection direction) {
  Raster button(width, height);
  const double w = width;
  const double h = height;
  const double radius = h * 0.3;
  const Shape pill = RoundRect(0.5, 0.5, w - 0.5, h - 1.5, radius);
  const Mask plate = Mask::FromShape(width, height, 1.0, pill);

  button.Draw(plate.Shifted(0, 1), Rgb(0, 0, 0, 0.25));
  const Color top = Hsl(color.hue, color.saturation, std::min(color.lightness + 0.14, 0.92));
  const Color bottom = Hsl(color.hue, color.saturation, std::max(color.lightness - 0.10, 0.08));
  button.Draw(plate, VerticalGradient(top, bottom));
  button.Draw(Mask::FromShape(width, height, 1.0, Intersect(pill, Ellipse(w / 2, 0, w * 0.75, h * 0.5))),
              Rgb(255, 255, 255, 0.22));
  Mask rim = plate;
  rim.Subtract(Mask::FromShape(width, height, 1.0,
                               RoundRect(1.5, 1.5, w - 1.5, h - 2.5, radius - 1.0)));
  button.Draw(rim, Hsl(color.hue, color.saturation, std::max(color.lightness - 0.25, 0.05), 0.6));

  // Arrow pointing right, mirrored for the left button: head plus shaft.
  const double arrowH = h * 0.56;
  const double headW = arrowH * 0.62;
  const double shaftW = arrowH * 0.55;
  const double shaftT = arrowH * 0.34;
  const double cx = w / 2;
  const double cy = (h - 1) / 2;
  const double left = cx - (headW + shaftW) / 2;
  const double tip = left + shaftW + headW;
  Shape arrow = Union({
      RoundRect(left, cy - shaftT / 2, left + shaftW + 0.5, cy + shaftT / 2, shaftT * 0.2),
      Polygon({{left + shaftW, cy - arrowH / 2}, {tip, cy}, {left + shaftW, cy + arrowH / 2}}),
  });
  if (direction == ArrowDirection::Left) {
    arrow = [arrow, w](double x, double y) { return arrow(w - x, y); };
  }
  const Mask arrowMask = Mask::FromShape(width, height, 1.0, arrow);
  button.Draw(arrowMask.Shifted(0, 1), Hsl(color.hue, color.saturation, 0.15, 0.35));
  button.Draw(arrowMask, Rgb(252, 252, 252));
  return button;
}

Raster DrawButtonFace(int width, int height, bool pressed) {
  Raster face(width, height, Rgb(255, 255, 255));
  const double w = width;
  const double h = height;
  const double radius = h * 0.2;
  const Shape outer = RoundRect(0, 0, w, h, radius);
  const Shape inner = RoundRect(1.5, 1.5, w - 1.5, h - 1.5, radius - 1.2);
  const Mask outerMask = Mask::FromShape(width, height, 1.0, outer);
  const Mask innerMask = Mask::FromShape(width, height, 1.0, inner);

  face.Draw(outerMask, pressed ? Hsl(212, 0.25, 0.38) : Hsl(212, 0.22, 0.56));
  if (pressed) {
    face.Draw(innerMask, VerticalGradient(Hsl(212, 0.28, 0.68), Hsl(212, 0.26, 0.78)));
    // Inset: a soft shadow along the top inside edge.
    Mask shade = innerMask;
    shade.Subtract(innerMask.Shifted(0, std::max(2, height / 12)).Blurred(std::max(1, height / 24)));
    face.Draw(shade, Rgb(0, 0, 0, 0.30));
  } else {
    face.Draw(innerMask, VerticalGradient(Hsl(212, 0.35, 0.98), Hsl(212, 0.28, 0.84)));
    const Mask gloss = Mask::FromShape(width, height, 1.0,
                                       Intersect(inner, RoundRect(0, 0, w, h * 0.48, 0)));
    face.Draw(gloss, Rgb(255, 255, 255, 0.45));
  }
  return face;
}

}  // namespace tarvo::pictures
