#include "platform/ui/Canvas.h"

#include <algorithm>
#include <cstdlib>

namespace tarvo::ui {
namespace {

inline uint32_t BlendPixel(uint32_t dst, Color color, int alpha) {
  int inv = 255 - alpha;
  uint32_t r = (RedOf(color) * alpha + ((dst >> 16) & 0xFF) * inv + 127) / 255;
  uint32_t g = (GreenOf(color) * alpha + ((dst >> 8) & 0xFF) * inv + 127) / 255;
  uint32_t b = (BlueOf(color) * alpha + (dst & 0xFF) * inv + 127) / 255;
  return (dst & 0xFF000000) | (r << 16) | (g << 8) | b;
}

}  // namespace

Canvas::Canvas(int width, int height, PixelFormat format, uint32_t fill)
    : width_(std::max(0, width)), height_(std::max(0, height)), format_(format) {
  pixels_.assign(static_cast<size_t>(width_) * height_, fill);
  clip_ = Rect{0, 0, width_, height_};
}

uint32_t Canvas::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Canvas::SetPixel(int x, int y, uint32_t raw) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = raw;
}

void Canvas::ClipTo(const Rect& rect) { clip_ = rect.Offset(origin_.x, origin_.y).Intersect(clip_); }

void Canvas::FillRect(const Rect& rect, Color color) {
  Rect r = ToDevice(rect);
  uint32_t value = 0xFF000000 | (color & 0xFFFFFF);
  for (int y = r.top; y < r.bottom; ++y)
    std::fill_n(pixels_.data() + static_cast<size_t>(y) * width_ + r.left, r.Width(), value);
}

void Canvas::BlendRect(const Rect& rect, Color color, int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  Rect r = ToDevice(rect);
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = pixels_.data() + static_cast<size_t>(y) * width_;
    for (int x = r.left; x < r.right; ++x) row[x] = BlendPixel(row[x], color, alpha);
  }
}

void Canvas::DrawLine(Point a, Point b, Color color) {
  int x0 = a.x + origin_.x, y0 = a.y + origin_.y;
  int x1 = b.x + origin_.x, y1 = b.y + origin_.y;
  // Reject lines wholly outside the clip before stepping along them.
  if (std::max(x0, x1) < clip_.left || std::min(x0, x1) >= clip_.right ||
      std::max(y0, y1) < clip_.top || std::min(y0, y1) >= clip_.bottom)
    return;
  uint32_t value = 0xFF000000 | (color & 0xFFFFFF);
  int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  while (true) {
    if (clip_.Contains(Point{x0, y0})) pixels_[static_cast<size_t>(y0) * width_ + x0] = value;
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += sx; }
    if (e2 <= dx) { err += dx; y0 += sy; }
  }
}

void Canvas::FrameRect(const Rect& rect, Color color, int thickness) {
  if (rect.IsEmpty()) return;
  thickness = std::clamp(thickness, 1, std::max(1, std::min(rect.Width(), rect.Height()) / 2 + 1));
  FillRect(Rect{rect.left, rect.top, rect.right, rect.top + thickness}, color);
  FillRect(Rect{rect.left, rect.bottom - thickness, rect.right, rect.bottom}, color);
  FillRect(Rect{rect.left, rect.top, rect.left + thickness, rect.bottom}, color);
  FillRect(Rect{rect.right - thickness, rect.top, rect.right, rect.bottom}, color);
}

void Canvas::DrawFocusRect(const Rect& rect) {
  if (rect.IsEmpty()) return;
  // Every other pixel inverted, so the mark shows on any background.
  auto invert = [this](int x, int y) {
    int dx = x + origin_.x, dy = y + origin_.y;
    if (!clip_.Contains(Point{dx, dy})) return;
    uint32_t& p = pixels_[static_cast<size_t>(dy) * width_ + dx];
    p = (p & 0xFF000000) | (~p & 0xFFFFFF);
  };
  for (int x = rect.left; x < rect.right; x += 2) {
    invert(x, rect.top);
    if (rect.Height() > 1) invert(x, rect.bottom - 1);
  }
  for (int y = rect.top + 2; y < rect.bottom - 1; y += 2) {
    invert(rect.left, y);
    if (rect.Width() > 1) invert(rect.right - 1, y);
  }
}

void Canvas::Copy(const Canvas& src, const Rect& srcRect, Point dest) {
  Rect from = srcRect.Intersect(Rect{0, 0, src.width_, src.height_});
  if (from.IsEmpty()) return;
  dest.x += from.left - srcRect.left;
  dest.y += from.top - srcRect.top;
  Rect to = ToDevice(Rect::FromSize(dest.x, dest.y, from.Width(), from.Height()));
  int sx = from.left + (to.left - (dest.x + origin_.x));
  int sy = from.top + (to.top - (dest.y + origin_.y));
  for (int y = 0; y < to.Height(); ++y) {
    const uint32_t* s = src.pixels_.data() + static_cast<size_t>(sy + y) * src.width_ + sx;
    uint32_t* d = pixels_.data() + static_cast<size_t>(to.top + y) * width_ + to.left;
    if (format_ == PixelFormat::Xrgb) {
      for (int x = 0; x < to.Width(); ++x) d[x] = s[x] | 0xFF000000;
    } else {
      std::copy_n(s, to.Width(), d);
    }
  }
}

void Canvas::Draw(const Canvas& src, const Rect& srcRect, Point dest) {
  if (src.format_ != PixelFormat::Rgba) {
    Copy(src, srcRect, dest);
    return;
  }
  Stretch(src, srcRect, Rect::FromSize(dest.x, dest.y, srcRect.Width(), srcRect.Height()));
}

void Canvas::Stretch(const Canvas& src, const Rect& srcRect, const Rect& destRect,
                     std::optional<Color> transparent) {
  if (srcRect.IsEmpty() || destRect.IsEmpty() || src.IsEmpty()) return;
  Rect to = ToDevice(destRect);
  if (to.IsEmpty()) return;
  Rect deviceDest = destRect.Offset(origin_.x, origin_.y);
  bool blend = src.format_ == PixelFormat::Rgba;
  for (int y = to.top; y < to.bottom; ++y) {
    int64_t sy = srcRect.top + static_cast<int64_t>(y - deviceDest.top) * srcRect.Height() / destRect.Height();
    if (sy < 0 || sy >= src.height_) continue;
    uint32_t* d = pixels_.data() + static_cast<size_t>(y) * width_;
    const uint32_t* s = src.pixels_.data() + static_cast<size_t>(sy) * src.width_;
    for (int x = to.left; x < to.right; ++x) {
      int64_t sx = srcRect.left + static_cast<int64_t>(x - deviceDest.left) * srcRect.Width() / destRect.Width();
      if (sx < 0 || sx >= src.width_) continue;
      uint32_t p = s[sx];
      if (transparent && (p & 0xFFFFFF) == (*transparent & 0xFFFFFF)) continue;
      if (blend) {
        int alpha = static_cast<int>(p >> 24);
        if (alpha == 0) continue;
        d[x] = alpha == 255 ? (p | 0xFF000000) : BlendPixel(d[x], p & 0xFFFFFF, alpha);
      } else {
        d[x] = p | 0xFF000000;
      }
    }
  }
}

void Canvas::DrawGlyph(const Glyph& glyph, int penX, int lineTop, Color color, const Rect& clip) {
  int gx = penX + glyph.left, gy = lineTop + glyph.top;
  Rect area = Rect::FromSize(gx, gy, glyph.width, glyph.height).Intersect(clip);
  for (int y = area.top; y < area.bottom; ++y) {
    const uint8_t* cov = glyph.coverage.data() + static_cast<size_t>(y - gy) * glyph.width;
    uint32_t* row = pixels_.data() + static_cast<size_t>(y) * width_;
    for (int x = area.left; x < area.right; ++x) {
      int a = cov[x - gx];
      if (a == 0) continue;
      row[x] = a == 255 ? (0xFF000000 | color) : BlendPixel(row[x], color, a);
    }
  }
}

int Canvas::DrawText(const Font& font, WStringView text, const Rect& rect, Color color,
                     unsigned align, std::optional<Color> background) {
  if (background) FillRect(rect, *background);
  if (font.IsNull()) return 0;
  int width = font.TextWidth(text);
  int x = rect.left;
  if (align & kAlignCenter) x = rect.left + (rect.Width() - width) / 2;
  else if (align & kAlignRight) x = rect.right - width;
  int y = rect.top;
  if (align & kAlignVCenter) y = rect.top + (rect.Height() - font.Height()) / 2;
  else if (align & kAlignBottom) y = rect.bottom - font.Height();
  Rect clip = ToDevice(rect);
  if (clip.IsEmpty()) return width;
  color &= 0xFFFFFF;
  int penX = x + origin_.x, lineTop = y + origin_.y;
  int startX = penX;
  for (size_t i = 0; i < text.size();) {
    const Glyph& glyph = font.GlyphOf(NextCodePoint(text, i));
    if (penX >= clip.right) break;
    if (penX + glyph.advance > clip.left) DrawGlyph(glyph, penX, lineTop, color, clip);
    penX += glyph.advance;
  }
  if (font.IsUnderlined()) {
    int underline = lineTop + std::min(font.Height() - 1, font.Baseline() + 1);
    Rect line = Rect{startX, underline, penX, underline + 1}.Intersect(clip);
    for (int px = line.left; px < line.right; ++px)
      pixels_[static_cast<size_t>(underline) * width_ + px] = 0xFF000000 | color;
  }
  return width;
}

int Canvas::DrawTextWrapped(const Font& font, WStringView text, const Rect& rect, Color color,
                            unsigned align) {
  int y = rect.top;
  for (const WString& line : font.WrapLines(text, rect.Width())) {
    if (y >= rect.bottom) break;
    DrawText(font, line, Rect{rect.left, y, rect.right, std::min(rect.bottom, y + font.Height())},
             color, (align & (kAlignCenter | kAlignRight)) | kAlignTop);
    y += font.Height();
  }
  return y - rect.top;
}

}  // namespace tarvo::ui
