#pragma once
// The rows of the login and upload forms: m = TextHeight / 3; rows
// ButtonHeight high and m apart from y = m; labels at x = m as wide as the
// widest label's text; fields from there + m to the right edge − m.
#include "app/ScreenMetrics.h"
#include "platform/ui/Geometry.h"

namespace tarvo {

class FormRows {
 public:
  FormRows(const ScreenMetrics& metrics, int clientWidth, int labelWidth);

  int Margin() const { return margin_; }
  int RowTop(int row) const { return margin_ + row * (rowHeight_ + margin_); }
  // The label of a row, as wide as its own text.
  ui::Rect Label(int row, int textWidth) const;
  ui::Rect Field(int row) const;
  // The whole width between the margins, for row.
  ui::Rect Wide(int row) const;
  // From row's top to bottom − m (at least one row high).
  ui::Rect Rest(int row, int bottom) const;

 private:
  int margin_;
  int rowHeight_;
  int fieldLeft_;
  int right_;
};

}  // namespace tarvo
