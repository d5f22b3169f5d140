#include "launcher/controls/JoinedRow.h"

#include "video/LineFitting.h"

namespace tarvo {
namespace {

constexpr char16_t kBetween[] = u"  ";
constexpr int kTextGap = 3;

}  // namespace

WString JoinedRowText(const ui::Font& font, WStringView first, WStringView second, int width) {
  const WString line = WString(first) + kBetween + WString(second);
  // FitLine cuts once the sum passes its bound: one less cuts where it reaches the width.
  return video::FitLine(line, [&font](char16_t c) { return font.CharWidth(c); }, width - 1);
}

bool DrawJoinedRow(ui::ListRowDraw& draw, const RowStyle& style, int width) {
  ui::Canvas& canvas = draw.canvas;
  const ui::Rect& rect = draw.rect;
  canvas.FillRect(rect, draw.selected ? style.selectedBack : style.normalBack);
  const ui::Font& font = draw.list.GetFont();
  const WString text =
      JoinedRowText(font, draw.list.GetItemText(draw.row, 0), draw.list.GetItemText(draw.row, 1), width);
  const ui::Rect textRect{rect.left + kTextGap, rect.top, rect.right, rect.bottom - 1};
  {
    ui::CanvasStateSaver saved(canvas);
    canvas.ClipTo(textRect);
    canvas.DrawText(font, text, textRect, draw.selected ? style.selectedText : style.normalText,
                    ui::kAlignLeft | ui::kAlignVCenter);
  }
  canvas.FillRect(ui::Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, style.line);
  if (draw.focused) canvas.DrawFocusRect(rect);
  return true;
}

}  // namespace tarvo
