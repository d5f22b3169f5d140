#pragma once
// The common look of the launcher icons: a rounded square with a soft
// vertical gradient in the item's colour and a white symbol on it.
#include "Lettering.h"
#include "Mask.h"
#include "Raster.h"
#include "Shapes.h"

namespace tarvo::pictures {

// What a symbol is drawn with: a square picture of size pixels whose design
// space is 0..100 on both axes.
class SymbolCanvas {
 public:
  SymbolCanvas(int size, const Lettering& bold) : size_(size), bold_(bold) {}

  int Size() const { return size_; }
  Mask Fill(const Shape& shape) const;
  // Text centred on (cx, cy), fitted into a box of w x h design units.
  Mask Text(const std::string& utf8, double cx, double cy, double w, double h) const;

 private:
  int size_;
  const Lettering& bold_;
};

// The colour of an icon's plate, as HSL.
struct PlateColor {
  double hue;
  double saturation;
  double lightness;
};

// Renders a size x size icon with alpha: shadowed plate, gradient, gloss and
// the white symbol with a faint shadow of its own.
Raster DrawIcon(int size, PlateColor color, const Mask& symbol);

}  // namespace tarvo::pictures
