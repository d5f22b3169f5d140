#pragma once
// Points, rectangles and colours as the toolkit uses them: rectangles hold
// left/top inclusive and right/bottom exclusive edges, colours are 0xRRGGBB.
#include <algorithm>
#include <cstdint>

namespace tarvo::ui {

using Color = uint32_t;

constexpr Color Rgb(int r, int g, int b) {
  return (static_cast<Color>(r & 0xFF) << 16) | (static_cast<Color>(g & 0xFF) << 8) |
         static_cast<Color>(b & 0xFF);
}
constexpr int RedOf(Color c) { return (c >> 16) & 0xFF; }
constexpr int GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Color c) { return c & 0xFF; }

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect FromSize(int x, int y, int width, int height) {
    return Rect{x, y, x + width, y + height};
  }
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  constexpr Rect Offset(int dx, int dy) const {
    return Rect{left + dx, top + dy, right + dx, bottom + dy};
  }
  constexpr Rect Inflate(int dx, int dy) const {
    return Rect{left - dx, top - dy, right + dx, bottom + dy};
  }
  constexpr Rect Intersect(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
           std::min(bottom, o.bottom)};
    if (r.IsEmpty()) return Rect{};
    return r;
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace tarvo::ui
