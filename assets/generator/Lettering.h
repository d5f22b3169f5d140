#pragma once
// Text and symbol glyphs from a TrueType font, turned into masks.
#include <string>

#include "Mask.h"

struct _TTF_Font;

namespace tarvo::pictures {

class Lettering {
 public:
  // Opens the font at a large size so that scaled-down glyphs stay smooth.
  explicit Lettering(const std::string& fontPath);
  ~Lettering();
  Lettering(const Lettering&) = delete;
  Lettering& operator=(const Lettering&) = delete;

  bool IsOpen() const { return font_ != nullptr; }

  // A width x height mask holding the UTF-8 text, scaled so that its inked
  // box fits boxWidth x boxHeight pixels, centred on (cx, cy). Empty when the
  // font is not open or the text has no ink.
  Mask Text(int width, int height, const std::string& utf8, double cx, double cy,
            double boxWidth, double boxHeight) const;

 private:
  bool initialised_ = false;
  _TTF_Font* font_ = nullptr;
};

}  // namespace tarvo::pictures
