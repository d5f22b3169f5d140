#pragma once
// The row look of the lists the dialogs draw themselves: a coloured band for
// the selected row, an optional picture at the left, the text 3 pixels
// further right, and a one-pixel line along each row's bottom.
#include "platform/ui/ListView.h"

namespace tarvo {

struct RowStyle {
  ui::Color selectedBack;
  ui::Color selectedText;
  ui::Color normalBack;
  ui::Color normalText;
  ui::Color line = ui::Rgb(187, 187, 187);
  bool cutWithDots = false;  // a text wider than the row ends with ".."
};

// The settings lists: selection on RGB(117,138,169).
RowStyle SettingsRowStyle();
// The tool lists (keywords, downloads): selection in the highlight colours,
// long texts cut with "..".
RowStyle ToolRowStyle();

// The longest start of text that fits maxWidth with ".." after it, plus
// "..", or the whole text when it fits.
WString CutWithDots(const ui::Font& font, WStringView text, int maxWidth);

// Draws the row's first sub-item (and picture, when the list has an image
// list and the row an image) in the style.
bool DrawStyledRow(ui::ListRowDraw& draw, const RowStyle& style);

}  // namespace tarvo
