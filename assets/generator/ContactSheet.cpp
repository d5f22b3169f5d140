#include "ContactSheet.h"

#include <algorithm>

namespace tarvo::pictures {

namespace {

constexpr int kColumns = 9;
constexpr int kGap = 12;

}  // namespace

Raster DrawContactSheet(const std::vector<Raster>& icons) {
  if (icons.empty()) return Raster(1, 1, Rgb(214, 234, 245));
  const int full = icons.front().Width();
  const int half = full / 2;
  const int rows = (static_cast<int>(icons.size()) + kColumns - 1) / kColumns;
  const int width = kGap + kColumns * (full + kGap);
  const int fullPart = kGap + rows * (full + kGap);
  const int height = fullPart + kGap + rows * (half + kGap);
  Raster sheet(width, height, Rgb(214, 234, 245));
  for (size_t i = 0; i < icons.size(); ++i) {
    const int column = static_cast<int>(i) % kColumns;
    const int row = static_cast<int>(i) / kColumns;
    sheet.Place(icons[i], kGap + column * (full + kGap), kGap + row * (full + kGap));
    sheet.Place(icons[i].HalfSize(), kGap + column * (full + kGap) + (full - half) / 2,
                fullPart + kGap + row * (half + kGap));
  }
  return sheet;
}

}  // namespace tarvo::pictures
