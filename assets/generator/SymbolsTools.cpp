#include "Symbols.h"

namespace tarvo::pictures {

Mask SearchSymbol(const SymbolCanvas& c) {
  return c.Fill(Union({Ring(44, 44, 21, 12.5), Capsule({60, 60}, {76, 76}, 7)}));
}

Mask HotVideoSymbol(const SymbolCanvas& c) {
  // A flame with a play triangle cut out of its belly.
  const Shape flame = Union({
      Circle(50, 63, 20),
      Polygon({{30.5, 62}, {29, 50}, {32, 38}, {37, 28}, {40, 40}, {45, 32}, {51, 22}, {55, 11},
               {62, 24}, {68, 36}, {71, 48}, {69.5, 62}}),
  });
  const Shape play = Polygon({{44, 53}, {44, 75}, {62, 64}});
  return c.Fill(Minus(flame, play));
}

Mask NetTvSymbol(const SymbolCanvas& c) {
  const Shape body = Minus(RoundRect(17, 34, 83, 78, 8), RoundRect(25, 42, 75, 70, 3));
  const Shape antennas = Union({Capsule({50, 34}, {36, 18}, 3.8), Capsule({50, 34}, {64, 18}, 3.8)});
  const Shape play = Polygon({{45, 48}, {45, 64}, {58, 56}});
  return c.Fill(Union({body, antennas, play}));
}

Mask JokeSymbol(const SymbolCanvas& c) {
  const Shape face = Circle(50, 50, 30);
  const Shape features = Union({
      Ellipse(39.5, 41, 4.5, 6), Ellipse(60.5, 41, 4.5, 6),
      Intersect(Circle(50, 52, 18), RoundRect(20, 55, 80, 90, 0)),
  });
  return c.Fill(Minus(face, features));
}

Mask NetCloudSymbol(const SymbolCanvas& c) {
  const Shape cloud = Union({
      Circle(36, 57, 14), Circle(54, 46, 19), Circle(70, 58, 12.5),
      RoundRect(22, 56, 82.5, 71, 7.5),
  });
  // Three linked dots: a directory of sites.
  const Shape links = Union({
      Capsule({38, 62}, {51, 50}, 2.4), Capsule({51, 50}, {65, 60}, 2.4),
      Circle(38, 62, 5.2), Circle(51, 50, 5.2), Circle(65, 60, 5.2),
  });
  return c.Fill(Minus(cloud, links));
}

Mask ClockSymbol(const SymbolCanvas& c) {
  const Shape face = Circle(50, 50, 31);
  const Shape hands = Union({
      Capsule({50, 50}, {50, 30}, 3.8), Capsule({50, 50}, {64, 58}, 3.8),
      Circle(50, 22.5, 2.6), Circle(77.5, 50, 2.6), Circle(50, 77.5, 2.6), Circle(22.5, 50, 2.6),
  });
  return c.Fill(Minus(face, hands));
}

Mask SettingsSymbol(const SymbolCanvas& c) {
  return c.Fill(Gear(50, 50, 32, 23, 8, 10));
}

Mask ExitSymbol(const SymbolCanvas& c) {
  return c.Fill(Union({RoundArc(50, 53, 24, 5, 305, 235), Capsule({50, 20}, {50, 48}, 5)}));
}

Mask LogoSymbol(const SymbolCanvas& c) {
  // A white disc with a bold T cut out of it, and two waves above its shoulder.
  Mask mark = c.Fill(Union({Circle(46, 54, 28), RoundArc(46, 54, 36, 3.2, 292, 338),
                            RoundArc(46, 54, 44, 3.2, 298, 332)}));
  mark.Subtract(c.Text("T", 46, 55, 32, 32));
  return mark;
}

}  // namespace tarvo::pictures
