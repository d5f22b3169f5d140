#include "platform/ui/Font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <mutex>
#include <unistd.h>
#include <unordered_map>

namespace tarvo::ui {
namespace {

constexpr char kDebianFontPath[] = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";

}  // namespace

class FontLibrary {
 public:
  explicit FontLibrary(const std::string& path) {
    if (FT_Init_FreeType(&library_) != 0) {
      library_ = nullptr;
      return;
    }
    if (FT_New_Face(library_, path.c_str(), 0, &face_) != 0) face_ = nullptr;
  }
  ~FontLibrary() {
    if (face_ != nullptr) FT_Done_Face(face_);
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }
  FT_Face Face() const { return face_; }
  // FreeType faces are not safe for concurrent use: one lock per file.
  std::mutex& Lock() { return lock_; }

 private:
  FT_Library library_ = nullptr;
  FT_Face face_ = nullptr;
  std::mutex lock_;
};

class FontFace {
 public:
  FontFace(std::shared_ptr<FontLibrary> library, int height)
      : library_(std::move(library)), height_(std::max(1, height)) {
    FT_Face face = library_->Face();
    if (face != nullptr) {
      // Choose the em size whose ascent + descent fill the requested line.
      double span = static_cast<double>(face->ascender - face->descender);
      if (span <= 0) span = face->units_per_EM;
      emPixels_ = std::max(1, static_cast<int>(std::lround(height_ * face->units_per_EM / span)));
      baseline_ = static_cast<int>(std::lround(face->ascender * emPixels_ /
                                               static_cast<double>(face->units_per_EM)));
      baseline_ = std::clamp(baseline_, 1, height_);
    } else {
      emPixels_ = height_ * 5 / 6;
      baseline_ = height_ * 4 / 5;
    }
  }

  int Height() const { return height_; }
  int Baseline() const { return baseline_; }

  const Glyph& GlyphOf(char32_t cp) {
    std::lock_guard<std::mutex> guard(library_->Lock());
    auto found = cache_.find(cp);
    if (found != cache_.end()) return found->second;
    return cache_.emplace(cp, Rasterise(cp)).first->second;
  }

 private:
  Glyph Rasterise(char32_t cp) {
    Glyph glyph;
    FT_Face face = library_->Face();
    if (cp == U'\t') cp = U' ';
    if (cp < 0x20) return glyph;  // control characters take no room
    if (face != nullptr && FT_Set_Pixel_Sizes(face, 0, emPixels_) == 0 &&
        FT_Get_Char_Index(face, cp) != 0 &&
        FT_Load_Char(face, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) == 0) {
      FT_GlyphSlot slot = face->glyph;
      const FT_Bitmap& bitmap = slot->bitmap;
      glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
      glyph.left = slot->bitmap_left;
      glyph.top = baseline_ - slot->bitmap_top;
      glyph.width = static_cast<int>(bitmap.width);
      glyph.height = static_cast<int>(bitmap.rows);
      glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
      for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        std::copy(row, row + glyph.width, glyph.coverage.begin() + static_cast<ptrdiff_t>(y) * glyph.width);
      }
      return glyph;
    }
    // No font or no glyph: a hollow box, as the phone shows unknown characters.
    glyph.advance = cp < 0x2E80 ? std::max(2, emPixels_ / 2) : emPixels_;
    if (cp == U' ') return glyph;
    glyph.left = 1;
    glyph.top = std::max(0, baseline_ - emPixels_ * 3 / 4);
    glyph.width = std::max(1, glyph.advance - 2);
    glyph.height = std::max(1, emPixels_ * 3 / 4);
    glyph.coverage.assign(static_cast<size_t>(glyph.width) * glyph.height, 0);
    for (int y = 0; y < glyph.height; ++y) {
      for (int x = 0; x < glyph.width; ++x) {
        if (y == 0 || x == 0 || y == glyph.height - 1 || x == glyph.width - 1)
          glyph.coverage[static_cast<size_t>(y) * glyph.width + x] = 255;
      }
    }
    return glyph;
  }

  std::shared_ptr<FontLibrary> library_;
  int height_;
  int emPixels_ = 0;
  int baseline_ = 0;
  std::unordered_map<char32_t, Glyph> cache_;
};

namespace {

bool IsClosingPunctuation(char16_t c) {
  static constexpr char16_t kClosing[] = u"。，、；：！？）」』”’》〉】.,;:!?)]}";
  for (const char16_t* p = kClosing; *p != 0; ++p) {
    if (*p == c) return true;
  }
  return false;
}

}  // namespace

char32_t NextCodePoint(WStringView text, size_t& index) {
  char16_t unit = text[index++];
  if (unit >= 0xD800 && unit < 0xDC00 && index < text.size()) {
    char16_t low = text[index];
    if (low >= 0xDC00 && low < 0xE000) {
      ++index;
      return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00);
    }
  }
  return unit;
}

int Font::Height() const { return face_ ? face_->Height() : 0; }
int Font::Baseline() const { return face_ ? face_->Baseline() : 0; }

Font Font::WithUnderline(bool underlined) const { return Font(face_, underlined); }

const Glyph& Font::GlyphOf(char32_t codePoint) const {
  static const Glyph kEmpty;
  return face_ ? face_->GlyphOf(codePoint) : kEmpty;
}

int Font::CharWidth(char32_t codePoint) const { return GlyphOf(codePoint).advance; }

int Font::TextWidth(WStringView text) const {
  int width = 0;
  for (size_t i = 0; i < text.size();) width += CharWidth(NextCodePoint(text, i));
  return width;
}

size_t Font::FitCount(WStringView text, int width) const {
  int used = 0;
  size_t i = 0;
  while (i < text.size()) {
    size_t next = i;
    int advance = CharWidth(NextCodePoint(text, next));
    if (used + advance > width) break;
    used += advance;
    i = next;
  }
  return i;
}

std::vector<Font::Span> Font::WrapSpans(WStringView text, int width) const {
  std::vector<Span> spans;
  size_t start = 0;
  while (true) {
    size_t end = text.find(u'\n', start);
    if (end == WStringView::npos) end = text.size();
    size_t paragraphEnd = end;
    if (paragraphEnd > start && text[paragraphEnd - 1] == u'\r') --paragraphEnd;
    size_t pos = start;
    if (pos == paragraphEnd) spans.push_back(Span{pos, 0});
    while (pos < paragraphEnd) {
      WStringView rest = text.substr(pos, paragraphEnd - pos);
      size_t fit = FitCount(rest, width);
      if (fit == 0) {
        fit = 1;  // a character wider than the line still takes one
        if (rest.size() > 1 && rest[0] >= 0xD800 && rest[0] < 0xDC00) fit = 2;
      }
      // Closing punctuation never starts a line: take a character along.
      while (fit > 1 && fit < rest.size() && IsClosingPunctuation(rest[fit])) --fit;
      size_t length = fit;
      if (fit < rest.size()) {
        // Break at the last blank after the line's first word; leading
        // blanks (an indented paragraph) stay with the text they indent.
        size_t space = rest.substr(0, fit).rfind(u' ');
        const size_t content = rest.find_first_not_of(u' ');
        if (space != WStringView::npos && content != WStringView::npos && space > content) {
          fit = space + 1;
          length = space;
        }
      }
      spans.push_back(Span{pos, length});
      pos += fit;
    }
    if (end >= text.size()) break;
    start = end + 1;
  }
  return spans;
}

std::vector<WString> Font::WrapLines(WStringView text, int width) const {
  std::vector<WString> lines;
  for (const Span& span : WrapSpans(text, width)) lines.emplace_back(text.substr(span.start, span.length));
  return lines;
}

FontEngine::FontEngine(std::string fontPath)
    : library_(std::make_shared<FontLibrary>(fontPath)) {}

FontEngine::~FontEngine() = default;

bool FontEngine::IsLoaded() const { return library_->Face() != nullptr; }

Font FontEngine::Create(int pixelHeight, bool underlined) {
  for (const auto& face : faces_) {
    if (face->Height() == pixelHeight) return Font(face, underlined);
  }
  faces_.push_back(std::make_shared<FontFace>(library_, pixelHeight));
  return Font(faces_.back(), underlined);
}

std::string FontEngine::FindCjkFontPath() {
  std::string path = kDebianFontPath;
  // The known path first: asking fontconfig costs a scan of the font cache.
  if (access(path.c_str(), R_OK) == 0) return path;
  FcConfig* config = FcInitLoadConfigAndFonts();
  if (config == nullptr) return path;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(":lang=zh-cn"));
  if (pattern != nullptr) {
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    if (match != nullptr) {
      FcChar8* file = nullptr;
      if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr)
        path = reinterpret_cast<const char*>(file);
      FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
  }
  FcConfigDestroy(config);
  return path;
}

}  // namespace tarvo::ui
