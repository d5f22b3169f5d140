#include "Symbols.h"

namespace tarvo::pictures {

Mask PhoneSymbol(const SymbolCanvas& c) {
  // An upright handset (ear piece, curved grip, mouth piece), then tilted.
  const Shape grip = ArcBand(62, 50, 31, 21, 110, 250);
  const Shape ear = RoundRect(44, 17, 66, 33, 6);
  const Shape mouth = RoundRect(44, 67, 66, 83, 6);
  return c.Fill(Rotated(Union({grip, ear, mouth}), 50, 50, -38));
}

Mask MessageSymbol(const SymbolCanvas& c) {
  const Shape bubble = Union({RoundRect(17, 24, 83, 68, 15), Polygon({{28, 62}, {24, 82}, {46, 65}})});
  const Shape dots = Union({Circle(35, 46, 5), Circle(50, 46, 5), Circle(65, 46, 5)});
  return c.Fill(Minus(bubble, dots));
}

Mask ContactsSymbol(const SymbolCanvas& c) {
  const Shape head = Circle(50, 37, 13.5);
  const Shape shoulders = Intersect(Ellipse(50, 82, 28, 27), RoundRect(0, 0, 100, 79, 0));
  return c.Fill(Union({head, shoulders}));
}

Mask FolderSymbol(const SymbolCanvas& c) {
  const Shape back = Union({RoundRect(17, 29, 83, 77, 6), RoundRect(17, 23, 46, 36, 5)});
  const Shape seam = RoundRect(17, 37, 83, 41, 0);
  return c.Fill(Minus(back, seam));
}

Mask CameraSymbol(const SymbolCanvas& c) {
  const Shape body = Union({RoundRect(16, 33, 84, 76, 9), RoundRect(37, 24, 63, 38, 5)});
  const Shape cut = Union({Ring(50, 55, 16, 10.5), Circle(73, 42, 3.2)});
  return c.Fill(Minus(body, cut));
}

Mask TaskManagerSymbol(const SymbolCanvas& c) {
  return c.Fill(Union({
      RoundRect(20, 56, 31, 78, 2.5), RoundRect(36, 40, 47, 78, 2.5),
      RoundRect(52, 24, 63, 78, 2.5), RoundRect(68, 46, 79, 78, 2.5),
  }));
}

Mask RadioSymbol(const SymbolCanvas& c) {
  const Shape body = Union({RoundRect(16, 37, 84, 80, 8), Capsule({27, 38}, {68, 18}, 3)});
  const Shape cut = Union({Ring(36, 59, 12, 5.5), RoundRect(55, 46, 76, 54, 2.5),
                           Circle(59.5, 67, 4), Circle(71.5, 67, 4)});
  return c.Fill(Minus(body, cut));
}

Mask BroadcastSymbol(const SymbolCanvas& c) {
  // A mast with waves on both sides.
  return c.Fill(Union({
      Circle(50, 40, 7),
      Polygon({{47, 44}, {53, 44}, {60, 84}, {40, 84}}),
      RoundArc(50, 40, 16, 3.6, 140, 220), RoundArc(50, 40, 16, 3.6, 320, 40),
      RoundArc(50, 40, 28, 3.6, 145, 215), RoundArc(50, 40, 28, 3.6, 325, 35),
  }));
}

Mask FlashlightSymbol(const SymbolCanvas& c) {
  const Shape torch = Union({
      Polygon({{33, 38}, {67, 38}, {58, 54}, {42, 54}}),
      RoundRect(42, 52, 58, 86, 3),
  });
  const Shape button = RoundRect(47, 61, 53, 70, 2);
  const Shape beams = Union({
      Capsule({50, 28}, {50, 14}, 3.6), Capsule({36, 30}, {27, 19}, 3.6),
      Capsule({64, 30}, {73, 19}, 3.6),
  });
  return c.Fill(Union({Minus(torch, button), beams}));
}

Mask SpeakerSymbol(const SymbolCanvas& c) {
  const Shape speaker = Union({RoundRect(16, 39, 31, 61, 2.5), Polygon({{29, 39}, {47, 24}, {47, 76}, {29, 61}})});
  const Shape waves = Union({RoundArc(47, 50, 13, 3.8, 315, 45), RoundArc(47, 50, 26, 3.8, 318, 42)});
  return c.Fill(Union({speaker, waves}));
}

// Any program: a window with a title bar and a close box, and two lines of content.
Mask ProgramSymbol(const SymbolCanvas& c) {
  const Shape frame = Minus(RoundRect(15, 20, 85, 80, 7), RoundRect(23, 37, 77, 72, 3));
  Mask m = c.Fill(frame);
  m.Subtract(c.Fill(RoundRect(66, 25, 77, 32, 1.5)));
  m.Unite(c.Fill(Union({Capsule({31, 48}, {62, 48}, 3.6), Capsule({31, 61}, {52, 61}, 3.6)})));
  return m;
}

}  // namespace tarvo::pictures
