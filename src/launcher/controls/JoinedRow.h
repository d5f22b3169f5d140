#pragma once
// The row look of the net TV lists and the site editor: one line of the
// first sub-item, two blanks and the second sub-item, cut with ".." where
// the summed character widths reach the width given, in a row style's
// colours, 3 pixels from the left, with the grey line under the row and the
// focus rectangle on the focused row.
#include "launcher/controls/RowStyle.h"

namespace tarvo {

// The line of a row as shown: cut once the width is reached, not only when
// it is passed (so a line exactly as wide as the room is cut too).
WString JoinedRowText(const ui::Font& font, WStringView first, WStringView second, int width);

// width: the room of the line, the same for every row whether or not the
// list shows a scroll bar.
bool DrawJoinedRow(ui::ListRowDraw& draw, const RowStyle& style, int width);

}  // namespace tarvo
