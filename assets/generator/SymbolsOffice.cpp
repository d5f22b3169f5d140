#include "Symbols.h"

namespace tarvo::pictures {

namespace {

// A sheet of paper with a folded corner and a letter cut out of it.
Mask LetterPage(const SymbolCanvas& c, const char* letter) {
  const Shape sheet = Polygon({{21, 14}, {63, 14}, {79, 30}, {79, 86}, {21, 86}});
  const Shape crease = Union({Capsule({63, 14}, {63, 30}, 1.6), Capsule({63, 30}, {79, 30}, 1.6)});
  Mask page = c.Fill(Minus(sheet, crease));
  page.Subtract(c.Text(letter, 50, 60, 44, 38));
  return page;
}

}  // namespace

Mask WordSymbol(const SymbolCanvas& c) { return LetterPage(c, "W"); }
Mask ExcelSymbol(const SymbolCanvas& c) { return LetterPage(c, "X"); }
Mask PowerPointSymbol(const SymbolCanvas& c) { return LetterPage(c, "P"); }
Mask OneNoteSymbol(const SymbolCanvas& c) { return LetterPage(c, "N"); }

Mask EmailSymbol(const SymbolCanvas& c) {
  const Shape envelope = RoundRect(16, 28, 84, 74, 6);
  const Shape flap = Union({Capsule({19, 32}, {50, 55}, 2.8), Capsule({50, 55}, {81, 32}, 2.8)});
  return c.Fill(Minus(envelope, flap));
}

Mask CalculatorSymbol(const SymbolCanvas& c) {
  // Plus, minus, times and equals in a 2 x 2 grid.
  const double h = 3.6;
  return c.Fill(Union({
      Capsule({22, 33}, {42, 33}, h), Capsule({32, 23}, {32, 43}, h),
      Capsule({58, 33}, {78, 33}, h),
      Capsule({25, 60}, {39, 74}, h), Capsule({39, 60}, {25, 74}, h),
      Capsule({58, 61}, {78, 61}, h), Capsule({58, 73}, {78, 73}, h),
  }));
}

Mask CalendarSymbol(const SymbolCanvas& c) {
  const Shape page = RoundRect(20, 22, 80, 82, 8);
  const Shape cuts = Union({RoundRect(20, 38, 80, 41.5, 0), Circle(35, 30, 3.5), Circle(65, 30, 3.5)});
  Mask m = c.Fill(Minus(page, cuts));
  m.Subtract(c.Text("12", 50, 62, 36, 28));
  m.Unite(c.Fill(Union({Capsule({35, 16}, {35, 29}, 3), Capsule({65, 16}, {65, 29}, 3)})));
  return m;
}

Mask TasksSymbol(const SymbolCanvas& c) {
  const Shape box = Minus(RoundRect(19, 27, 69, 77, 9), RoundRect(26, 34, 62, 70, 4));
  const Shape tick = Union({Capsule({33, 50}, {46, 63}, 5), Capsule({46, 63}, {78, 25}, 5)});
  const Shape gap = Union({Capsule({33, 50}, {46, 63}, 9.5), Capsule({46, 63}, {78, 25}, 9.5)});
  return c.Fill(Union({Minus(box, gap), tick}));
}

}  // namespace tarvo::pictures
