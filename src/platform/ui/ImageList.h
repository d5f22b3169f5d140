#pragma once
// Pictures of one size for list rows: added or replaced by slot, stretched
// to the list's size, with an optional colour that is left transparent.
#include <optional>
#include <vector>

#include "platform/ui/Canvas.h"

namespace tarvo::ui {

class ImageList {
 public:
  ImageList(int width, int height, std::optional<Color> transparent = std::nullopt);
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return static_cast<int>(images_.size()); }
  // Returns the new slot.
  int Add(const Canvas& image);
  // False for a slot that does not exist.
  bool Replace(int index, const Canvas& image);
  void Clear() { images_.clear(); }
  // Draws slot index with its top-left at (x, y); nothing for a bad slot.
  void Draw(Canvas& canvas, int index, Point at) const;

 private:
  Canvas Fit(const Canvas& image) const;

  int width_;
  int height_;
  std::optional<Color> transparent_;
  std::vector<Canvas> images_;
};

}  // namespace tarvo::ui
