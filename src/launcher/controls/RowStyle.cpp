#include "launcher/controls/RowStyle.h"

#include <algorithm>

#include "platform/ui/Theme.h"

namespace tarvo {
namespace {

constexpr char16_t kDots[] = u"..";
constexpr int kTextGap = 3;

}  // namespace

RowStyle SettingsRowStyle() {
  return RowStyle{ui::Rgb(117, 138, 169), ui::theme::kHighlightText, ui::theme::kWindow,
                  ui::theme::kButtonText};
}

RowStyle ToolRowStyle() {
  RowStyle style{ui::theme::kHighlight, ui::theme::kHighlightText, ui::theme::kWindow,
                 ui::theme::kWindowText};
  style.cutWithDots = true;
  return style;
}

WString CutWithDots(const ui::Font& font, WStringView text, int maxWidth) {
  if (font.TextWidth(text) <= maxWidth) return WString(text);
  const int room = std::max(0, maxWidth - font.TextWidth(kDots));
  return WString(text.substr(0, font.FitCount(text, room))) + kDots;
}

bool DrawStyledRow(ui::ListRowDraw& draw, const RowStyle& style) {
  ui::Canvas& canvas = draw.canvas;
  const ui::Rect& rect = draw.rect;
  canvas.FillRect(rect, draw.selected ? style.selectedBack : style.normalBack);
  int left = rect.left;
  const ui::ImageList* images = draw.list.GetImageList();
  if (images != nullptr) {
    const int image = draw.list.GetItemImage(draw.row);
    if (image >= 0) images->Draw(canvas, image, ui::Point{left, rect.top + (rect.Height() - images->Height()) / 2});
    left += images->Width();
  }
  left += kTextGap;
  const ui::Font& font = draw.list.GetFont();
  const int right = draw.list.ColumnCount() > 0 ? rect.left + draw.list.ColumnWidth(0) : rect.right;
  ui::Rect textRect{left, rect.top, right, rect.bottom - 1};
  WString text = draw.list.GetItemText(draw.row, 0);
  if (style.cutWithDots) text = CutWithDots(font, text, textRect.Width());
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
