#include "jokes/screens/FormRows.h"

#include <algorithm>

namespace tarvo {

FormRows::FormRows(const ScreenMetrics& metrics, int clientWidth, int labelWidth)
    : margin_(metrics.TextHeight / 3),
      rowHeight_(metrics.ButtonHeight),
      fieldLeft_(margin_ + labelWidth + margin_),
      right_(clientWidth - margin_) {}

ui::Rect FormRows::Label(int row, int textWidth) const {
  const int top = RowTop(row);
  return ui::Rect{margin_, top, margin_ + textWidth, top + rowHeight_};
}

ui::Rect FormRows::Field(int row) const {
  const int top = RowTop(row);
  return ui::Rect{fieldLeft_, top, std::max(fieldLeft_ + 1, right_), top + rowHeight_};
}

ui::Rect FormRows::Wide(int row) const {
  const int top = RowTop(row);
  return ui::Rect{margin_, top, std::max(margin_ + 1, right_), top + rowHeight_};
}

ui::Rect FormRows::Rest(int row, int bottom) const {
  const int top = RowTop(row);
  return ui::Rect{margin_, top, std::max(margin_ + 1, right_), std::max(top + rowHeight_, bottom - margin_)};
}

}  // namespace tarvo
