#pragma once
// Fonts of a pixel height over the CJK system font (WenQuanYi Micro Hei).
// Glyphs are rasterised once per font and character and kept, so drawing a
// screen of text only blends cached coverage maps. A font whose file could
// not be opened still measures and draws (boxes), so nothing depends on the
// host having the font.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/text/WString.h"

namespace tarvo::ui {

struct Glyph {
  int advance = 0;
  int left = 0;    // from the pen position to the bitmap's left column
  int top = 0;     // from the line's top to the bitmap's first row
  int width = 0;
  int height = 0;
  std::vector<uint8_t> coverage;  // width * height, 0..255
};

class FontFace;
class FontLibrary;

class Font {
 public:
  Font() = default;  // an empty font measures nothing and draws nothing
  bool IsNull() const { return face_ == nullptr; }
  // The line height in pixels the font was made for.
  int Height() const;
  int Baseline() const;  // from the line's top
  bool IsUnderlined() const { return underlined_; }
  Font WithUnderline(bool underlined) const;

  const Glyph& GlyphOf(char32_t codePoint) const;
  int CharWidth(char32_t codePoint) const;
  int TextWidth(WStringView text) const;
  // How many leading code units of text fit into width pixels.
  size_t FitCount(WStringView text, int width) const;
  // Breaks text into lines no wider than width: at line ends, then before the
  // character that would overflow (after the last space when there is one).
  std::vector<WString> WrapLines(WStringView text, int width) const;
  struct Span {
    size_t start;
    size_t length;  // without the trailing line end and wrapped-away spaces
  };
  // The same lines as WrapLines, as positions in text.
  std::vector<Span> WrapSpans(WStringView text, int width) const;

 private:
  friend class FontEngine;
  Font(std::shared_ptr<FontFace> face, bool underlined) : face_(std::move(face)), underlined_(underlined) {}
  std::shared_ptr<FontFace> face_;
  bool underlined_ = false;
};

// Opens the font file once and hands out fonts of any pixel height; fonts of
// the same height share their glyph cache.
class FontEngine {
 public:
  explicit FontEngine(std::string fontPath = FindCjkFontPath());
  ~FontEngine();
  FontEngine(const FontEngine&) = delete;
  FontEngine& operator=(const FontEngine&) = delete;

  bool IsLoaded() const;
  Font Create(int pixelHeight, bool underlined = false);

  // fontconfig's answer for ":lang=zh-cn", else the Debian path of the font.
  static std::string FindCjkFontPath();

 private:
  std::shared_ptr<FontLibrary> library_;
  std::vector<std::shared_ptr<FontFace>> faces_;
};

// Decodes one code point at text[index]; advances index past it.
char32_t NextCodePoint(WStringView text, size_t& index);

}  // namespace tarvo::ui
