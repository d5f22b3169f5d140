#include "Symbols.h"

namespace tarvo::pictures {

Mask SearchSymbol(const SymbolCanvas& c) {
  return c.Fill(Union({Ring(44, 44, 21, 12.5), Capsule({60, 60}, {76, 76}, 7)}));
}

Mask HotVideoSymbol(const SymbolCanvas& c) {
  // A flame with a play triangle cut out of its belly.
  const Shape flame = Union({
      Circle(50, 62, 20),
      Polygon({{30.5, 60}, {36, 42}, {46, 30}, {52, 14}, {60, 28}, {68, 40}, {70, 50}, {69.5, 60}}),
  });
  const Shape play = Polygon({{44, 51}, {44, 73}, {62, 62}});
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
      Capsule({40, 62}, {51, 52}, 1.8), Capsule({51, 52}, {63, 60}, 1.8),
      Circle(40, 62, 4.2), Circle(51, 52, 4.2), Circle(63, 60, 4.2),
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
  // A bold T under a small broadcast arc pair: the portal's mark.
  Mask mark = c.Text("T", 50, 57, 52, 52);
  mark.Unite(c.Fill(Union({RoundArc(74, 26, 7, 2.6, 290, 340), RoundArc(74, 26, 14, 2.6, 290, 340),
                            Circle(74, 26, 3.2)})));
  return mark;
}

}  // namespace tarvo::pictures
