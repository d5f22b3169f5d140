#pragma once
// An off-screen surface the toolkit paints on: XRGB for screens and RGBA for
// decoded pictures, each pixel one uint32 0xAARRGGBB. Drawing goes through an
// origin and a clip rectangle (kept for a scope by CanvasStateSaver), so a
// window paints in its own coordinates and cannot spill outside its rectangle.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/text/WString.h"
#include "platform/ui/Font.h"
#include "platform/ui/Geometry.h"

namespace tarvo::ui {

enum class PixelFormat { Xrgb, Rgba };

// Text placement inside a rectangle; combine one horizontal and one vertical.
enum TextAlign : unsigned {
  kAlignLeft = 0,
  kAlignCenter = 1,
  kAlignRight = 2,
  kAlignTop = 0,
  kAlignVCenter = 4,
  kAlignBottom = 8,
};

class Canvas {
 public:
  struct State {
    Point origin;
    Rect clip;
  };

  Canvas() = default;
  Canvas(int width, int height, PixelFormat format = PixelFormat::Xrgb, uint32_t fill = 0xFFFFFFFF);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }
  PixelFormat Format() const { return format_; }
  const uint32_t* Pixels() const { return pixels_.data(); }
  uint32_t* Pixels() { return pixels_.data(); }
  // Raw pixel (0xAARRGGBB) in surface coordinates; 0 outside.
  uint32_t PixelAt(int x, int y) const;
  Color ColorAt(int x, int y) const { return PixelAt(x, y) & 0xFFFFFF; }
  void SetPixel(int x, int y, uint32_t raw);

  // Origin at the top-left corner, the clip the whole surface.
  void ResetState() { Restore(State{Point{}, Rect{0, 0, width_, height_}}); }
  void Translate(int dx, int dy) { origin_.x += dx; origin_.y += dy; }
  // Narrows the clip to a rectangle given in the current coordinates.
  void ClipTo(const Rect& rect);
  // The clip in the current coordinates.
  Rect ClipRect() const { return clip_.Offset(-origin_.x, -origin_.y); }

  void FillRect(const Rect& rect, Color color);
  // Blends color over the rectangle with a constant opacity 0..255.
  void BlendRect(const Rect& rect, Color color, int alpha);
  // A line from a to b, both end points included.
  void DrawLine(Point a, Point b, Color color);
  void FrameRect(const Rect& rect, Color color, int thickness = 1);
  // The dotted rectangle that marks the focused item.
  void DrawFocusRect(const Rect& rect);

  // Copies pixels as they are (alpha ignored) from src's srcRect to dest.
  void Copy(const Canvas& src, const Rect& srcRect, Point dest);
  // Like Copy, but an RGBA source is blended by its alpha.
  void Draw(const Canvas& src, const Rect& srcRect, Point dest);
  // Nearest-neighbour stretch of srcRect into destRect; an RGBA source is
  // blended, and pixels equal to transparent (when given) are skipped.
  void Stretch(const Canvas& src, const Rect& srcRect, const Rect& destRect,
               std::optional<Color> transparent = std::nullopt);

  // One line of text placed in rect by align (TextAlign flags), clipped to
  // rect; with a background the rect is filled first. Returns the width.
  int DrawText(const Font& font, WStringView text, const Rect& rect, Color color,
               unsigned align = kAlignLeft | kAlignVCenter,
               std::optional<Color> background = std::nullopt);
  // Wrapped lines from the top of rect; returns the height used.
  int DrawTextWrapped(const Font& font, WStringView text, const Rect& rect, Color color,
                      unsigned align = kAlignLeft);

 private:
  friend class CanvasStateSaver;
  State Save() const { return State{origin_, clip_}; }
  void Restore(const State& state) { origin_ = state.origin; clip_ = state.clip; }
  Rect ToDevice(const Rect& rect) const { return rect.Offset(origin_.x, origin_.y).Intersect(clip_); }
  void DrawGlyph(const Glyph& glyph, int penX, int lineTop, Color color, const Rect& clip);

  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::Xrgb;
  std::vector<uint32_t> pixels_;
  Point origin_;
  Rect clip_;
};

// Keeps a canvas's origin and clip while it lives and puts them back when it
// goes, whichever way the scope is left.
class CanvasStateSaver {
 public:
  explicit CanvasStateSaver(Canvas& canvas) : canvas_(canvas), state_(canvas.Save()) {}
  ~CanvasStateSaver() { canvas_.Restore(state_); }
  CanvasStateSaver(const CanvasStateSaver&) = delete;
  CanvasStateSaver& operator=(const CanvasStateSaver&) = delete;

 private:
  Canvas& canvas_;
  Canvas::State state_;
};

}  // namespace tarvo::ui
