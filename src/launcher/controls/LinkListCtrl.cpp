#include "launcher/controls/LinkListCtrl.h"

#include "platform/text/Format.h"
#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo {

WString LinkListCtrl::LinkKey(int row, int column) { return Format(u"%d x %d", row, column); }

bool LinkListCtrl::Create(ui::Window* parent, const ui::Rect& rect, int id) {
  if (!ui::ListView::Create(parent, rect, id)) return false;
  SetCustomDraw([this](ui::ListRowDraw& draw) { return DrawRow(draw); });
  return true;
}

void LinkListCtrl::SetLink(int row, int column, WStringView url) {
  LinkRecord& record = links_[LinkKey(row, column)];
  record.url = WString(url);
  record.style = &style_;
  Invalidate();
}

const LinkRecord* LinkListCtrl::GetLink(int row, int column) const {
  auto found = links_.find(LinkKey(row, column));
  return found == links_.end() ? nullptr : &found->second;
}

bool LinkListCtrl::DrawRow(ui::ListRowDraw& draw) {
  DrawRowDefault(draw);
  const ui::Font& font = GetUi().UnderlinedFont();
  for (int column = 0; column < ColumnCount(); ++column) {
    const LinkRecord* link = GetLink(draw.row, column);
    if (link == nullptr) continue;
    ui::Rect cell = SubItemRect(draw.row, column);
    ui::Rect inner = cell.Inflate(-2, 0);
    if (column == 0 && GetImageList() != nullptr) inner.left += GetImageList()->Width() + 3;
    draw.canvas.FillRect(inner, draw.selected ? ui::theme::kHighlight : ui::theme::kWindow);
    const LinkStyle& style = link->style != nullptr ? *link->style : style_;
    ui::Color color = draw.selected ? ui::theme::kHighlightText : link->visited ? style.visited : style.unvisited;
    ui::CanvasStateSaver saved(draw.canvas);
    draw.canvas.ClipTo(inner);
    draw.canvas.DrawText(style.underlined ? font : GetFont(), GetItemText(draw.row, column), inner, color,
                         ui::kAlignLeft | ui::kAlignVCenter);
  }
  if (draw.focused) draw.canvas.DrawFocusRect(draw.rect);
  return true;
}

void LinkListCtrl::OnPenUp(ui::Point point) {
  ui::ListHit hit = PressIsTap() ? HitTest(point) : ui::ListHit{};
  ui::WindowHandle self = Handle();
  ui::Ui& ui = GetUi();
  ui::ListView::OnPenUp(point);
  if (ui.FromHandle(self) != this || hit.row < 0 || hit.subItem < 0) return;
  auto found = links_.find(LinkKey(hit.row, hit.subItem));
  if (found == links_.end() || found->second.url.empty()) return;
  found->second.visited = true;
  Invalidate();
  UpdateWindow();
  WString url = found->second.url;
  ui::WaitCursorHold wait(ui);
  if (opener_) opener_(url);
}

}  // namespace tarvo
