#include "platform/ui/ListView.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo::ui {
namespace {

// A press that moves further than this scrolls instead of tapping.
constexpr int kDragSlop = 6;

}  // namespace

bool ListView::Create(Window* parent, const Rect& rect, int id) { return CreateChild(parent, rect, id); }

void ListView::SetShowHeader(bool show) {
  showHeader_ = show;
  ScrollBy(0);
  Invalidate();
}

void ListView::SetFullRowSelect(bool fullRow) {
  fullRowSelect_ = fullRow;
  Invalidate();
}

void ListView::SetImageList(const ImageList* images) {
  images_ = images;
  ScrollBy(0);
  Invalidate();
}

int ListView::InsertColumn(int index, WStringView title, int width, unsigned align) {
  index = std::clamp(index, 0, ColumnCount());
  columns_.insert(columns_.begin() + index, Column{WString(title), std::max(0, width), align});
  for (Row& row : rows_) {
    if (static_cast<int>(row.texts.size()) > index) row.texts.insert(row.texts.begin() + index, WString());
  }
  Invalidate();
  return index;
}

bool ListView::DeleteColumn(int column) {
  if (column < 0 || column >= ColumnCount()) return false;
  columns_.erase(columns_.begin() + column);
  for (Row& row : rows_) {
    if (static_cast<int>(row.texts.size()) > column) row.texts.erase(row.texts.begin() + column);
  }
  Invalidate();
  return true;
}

void ListView::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= ColumnCount()) return;
  columns_[static_cast<size_t>(column)].width = std::max(0, width);
  Invalidate();
}

WString ListView::ColumnTitle(int column) const {
  if (column < 0 || column >= ColumnCount()) return WString();
  return columns_[static_cast<size_t>(column)].title;
}

int ListView::ColumnWidth(int column) const {
  if (column < 0 || column >= ColumnCount()) return 0;
  return columns_[static_cast<size_t>(column)].width;
}

int ListView::InsertItem(int row, WStringView text, int image) {
  row = std::clamp(row, 0, ItemCount());
  Row r;
  r.texts.emplace_back(text);
  r.image = image;
  rows_.insert(rows_.begin() + row, std::move(r));
  if (selected_ >= row) ++selected_;
  if (focusedRow_ >= row) ++focusedRow_;
  Invalidate();
  return row;
}

bool ListView::SetItemText(int row, int subItem, WStringView text) {
  if (row < 0 || row >= ItemCount() || subItem < 0 || subItem >= std::max(1, ColumnCount())) return false;
  auto& texts = rows_[static_cast<size_t>(row)].texts;
  if (static_cast<int>(texts.size()) <= subItem) texts.resize(static_cast<size_t>(subItem) + 1);
  texts[static_cast<size_t>(subItem)] = WString(text);
  Invalidate();
  return true;
}

WString ListView::GetItemText(int row, int subItem) const {
  if (row < 0 || row >= ItemCount() || subItem < 0) return WString();
  const auto& texts = rows_[static_cast<size_t>(row)].texts;
  return subItem < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(subItem)] : WString();
}

bool ListView::SetItemImage(int row, int image) {
  if (row < 0 || row >= ItemCount()) return false;
  rows_[static_cast<size_t>(row)].image = image;
  Invalidate();
  return true;
}

int ListView::GetItemImage(int row) const {
  return row >= 0 && row < ItemCount() ? rows_[static_cast<size_t>(row)].image : -1;
}

bool ListView::SetItemData(int row, intptr_t data) {
  if (row < 0 || row >= ItemCount()) return false;
  rows_[static_cast<size_t>(row)].data = data;
  return true;
}

intptr_t ListView::GetItemData(int row) const {
  return row >= 0 && row < ItemCount() ? rows_[static_cast<size_t>(row)].data : 0;
}

bool ListView::DeleteItem(int row) {
  if (row < 0 || row >= ItemCount()) return false;
  rows_.erase(rows_.begin() + row);
  if (selected_ == row) selected_ = -1;
  else if (selected_ > row) --selected_;
  if (focusedRow_ == row) focusedRow_ = -1;
  else if (focusedRow_ > row) --focusedRow_;
  ScrollBy(0);
  Invalidate();
  return true;
}

void ListView::DeleteAllItems() {
  rows_.clear();
  selected_ = -1;
  focusedRow_ = -1;
  scrollY_ = 0;
  Invalidate();
}

void ListView::SetSelected(int row) { Select(row, false); }

void ListView::Select(int row, bool notify) {
  if (row < -1 || row >= ItemCount()) return;
  if (row >= 0) focusedRow_ = row;
  if (row == selected_) return;
  selected_ = row;
  Invalidate();
  if (notify) NotifyParent(kSelectionChanged);
}

void ListView::SetRowHeight(int height) {
  fixedRowHeight_ = std::max(0, height);
  ScrollBy(0);
  Invalidate();
}

int ListView::RowHeight() const {
  if (fixedRowHeight_ > 0) return fixedRowHeight_;
  int text = GetFont().Height() + 4;
  if (images_ != nullptr) return std::max(text, images_->Height() + 2);
  return text;
}

int ListView::HeaderHeight() const { return showHeader_ ? GetFont().Height() + 4 : 0; }

int ListView::ContentHeight() const { return ItemCount() * RowHeight(); }

Rect ListView::RowsArea() const {
  Rect r = ClientRect();
  r.top += HeaderHeight();
  if (HasScrollBar()) r.right -= GetUi().ScrollBarWidth();
  return r;
}

bool ListView::HasScrollBar() const {
  return IsCreated() && ContentHeight() > ClientRect().Height() - HeaderHeight();
}

int ListView::MaxScroll() const {
  return std::max(0, ContentHeight() - (ClientRect().Height() - HeaderHeight()));
}

void ListView::ScrollBy(int dy) {
  int next = std::clamp(scrollY_ + dy, 0, MaxScroll());
  if (next != scrollY_) {
    scrollY_ = next;
    Invalidate();
  }
}

int ListView::TopIndex() const { return scrollY_ / std::max(1, RowHeight()); }

int ListView::VisibleRowCount() const { return std::max(1, RowsArea().Height() / std::max(1, RowHeight())); }

void ListView::EnsureVisible(int row) {
  if (row < 0 || row >= ItemCount()) return;
  int h = RowHeight();
  int top = row * h, bottom = top + h;
  int area = RowsArea().Height();
  if (top < scrollY_) ScrollBy(top - scrollY_);
  else if (bottom > scrollY_ + area) ScrollBy(bottom - area - scrollY_);
}

Rect ListView::RowRect(int row) const {
  Rect area = RowsArea();
  int top = area.top + row * RowHeight() - scrollY_;
  return Rect{area.left, top, area.right, top + RowHeight()};
}

Rect ListView::SubItemRect(int row, int subItem) const {
  Rect r = RowRect(row);
  int x = r.left;
  for (int c = 0; c < ColumnCount(); ++c) {
    int w = columns_[static_cast<size_t>(c)].width;
    if (c == subItem) return Rect{x, r.top, x + w, r.bottom};
    x += w;
  }
  return Rect{};
}

ListHit ListView::HitTest(Point point) const {
  ListHit hit;
  Rect area = RowsArea();
  if (!area.Contains(point)) return hit;
  int row = (point.y - area.top + scrollY_) / std::max(1, RowHeight());
  if (row < 0 || row >= ItemCount()) return hit;
  hit.row = row;
  int x = area.left;
  for (int c = 0; c < ColumnCount(); ++c) {
    int w = columns_[static_cast<size_t>(c)].width;
    if (point.x >= x && point.x < x + w) {
      hit.subItem = c;
      break;
    }
    x += w;
  }
  return hit;
}

void ListView::DrawRowDefault(ListRowDraw& draw) {
  Canvas& canvas = draw.canvas;
  const Font& font = GetFont();
  Row& row = rows_[static_cast<size_t>(draw.row)];
  bool enabled = IsEffectivelyEnabled();
  if (draw.selected && fullRowSelect_) canvas.FillRect(draw.rect, theme::kHighlight);
  int x = draw.rect.left;
  for (int c = 0; c < std::max(1, ColumnCount()); ++c) {
    int w = ColumnCount() > 0 ? columns_[static_cast<size_t>(c)].width : draw.rect.Width();
    unsigned align = ColumnCount() > 0 ? columns_[static_cast<size_t>(c)].align : kAlignLeft;
    Rect cell{x + 2, draw.rect.top, x + w - 2, draw.rect.bottom};
    if (c == 0 && images_ != nullptr) {
      if (row.image >= 0)
        images_->Draw(canvas, row.image, Point{cell.left, cell.top + (cell.Height() - images_->Height()) / 2});
      cell.left += images_->Width() + 3;
    }
    WStringView text = c < static_cast<int>(row.texts.size()) ? WStringView(row.texts[static_cast<size_t>(c)]) : WStringView();
    bool highlighted = draw.selected && (fullRowSelect_ || c == 0);
    if (highlighted && !fullRowSelect_) {
      Rect mark{cell.left - 1, cell.top + 1, std::min(cell.right, cell.left + font.TextWidth(text) + 1), cell.bottom - 1};
      canvas.FillRect(mark, theme::kHighlight);
    }
    Color color = !enabled ? theme::kGrayText : highlighted ? theme::kHighlightText : theme::kWindowText;
    {
      CanvasStateSaver saved(canvas);
      canvas.ClipTo(cell);
      canvas.DrawText(font, text, cell, color, align | kAlignVCenter);
    }
    x += w;
  }
  if (draw.focused) canvas.DrawFocusRect(draw.rect);
}

void ListView::OnPaint(Canvas& canvas) {
  Rect client = ClientRect();
  canvas.FillRect(client, theme::kWindow);
  const Font& font = GetFont();
  if (showHeader_) {
    int x = 0;
    Rect header{0, 0, client.right, HeaderHeight()};
    canvas.FillRect(header, theme::kHeader);
    for (const Column& column : columns_) {
      Rect cell{x, 0, x + column.width, header.bottom};
      canvas.DrawText(font, column.title, cell.Inflate(-3, 0), theme::kWindowText, column.align | kAlignVCenter);
      canvas.FillRect(Rect{cell.right - 1, 2, cell.right, header.bottom - 2}, theme::kGrayText);
      x += column.width;
    }
    canvas.FillRect(Rect{0, header.bottom - 1, client.right, header.bottom}, theme::kGrayText);
  }
  Rect area = RowsArea();
  {
    CanvasStateSaver saved(canvas);
    canvas.ClipTo(area);
    int h = std::max(1, RowHeight());
    int first = scrollY_ / h;
    int last = std::min(ItemCount() - 1, (scrollY_ + area.Height()) / h);
    for (int row = first; row <= last; ++row) {
      ListRowDraw draw{canvas, *this, row, RowRect(row), row == selected_, row == focusedRow_ && HasFocus()};
      if (!customDraw_ || !customDraw_(draw)) DrawRowDefault(draw);
    }
  }
  if (HasScrollBar()) {
    Rect bar{area.right, area.top, client.right, client.bottom};
    canvas.FillRect(bar, theme::kScrollTrack);
    int content = std::max(1, ContentHeight());
    int top = bar.top + static_cast<int>(static_cast<int64_t>(bar.Height()) * scrollY_ / content);
    int len = static_cast<int>(static_cast<int64_t>(bar.Height()) * area.Height() / content);
    canvas.FillRect(Rect{bar.left + 1, top, bar.right - 1, top + std::max(6, len)}, theme::kScrollThumb);
  }
}

void ListView::OnPenDown(Point point) {
  pressing_ = true;
  dragging_ = false;
  thumbDrag_ = false;
  pressPoint_ = point;
  pressScroll_ = scrollY_;
  Rect area = RowsArea();
  if (HasScrollBar() && point.x >= area.right && point.y >= area.top) {
    int content = std::max(1, ContentHeight());
    int top = area.top + static_cast<int>(static_cast<int64_t>(area.Height()) * scrollY_ / content);
    int len = std::max(6, static_cast<int>(static_cast<int64_t>(area.Height()) * area.Height() / content));
    if (point.y < top) ScrollBy(-area.Height());
    else if (point.y >= top + len) ScrollBy(area.Height());
    else thumbDrag_ = true;
    pressing_ = thumbDrag_;
    return;
  }
  lastTap_ = HitTest(point);
  if (lastTap_.row >= 0) Select(lastTap_.row, true);
}

void ListView::OnPenMove(Point point) {
  if (!pressing_) return;
  if (thumbDrag_) {
    int content = ContentHeight();
    int area = std::max(1, RowsArea().Height());
    int target = pressScroll_ + static_cast<int>(static_cast<int64_t>(point.y - pressPoint_.y) * content / area);
    ScrollBy(target - scrollY_);
    return;
  }
  if (!dragging_ && std::abs(point.y - pressPoint_.y) > kDragSlop) dragging_ = true;
  if (dragging_) ScrollBy(pressScroll_ - (point.y - pressPoint_.y) - scrollY_);
}

void ListView::OnPenUp(Point point) {
  if (!pressing_) return;
  pressing_ = false;
  if (thumbDrag_ || dragging_) return;
  ListHit hit = HitTest(point);
  if (hit.row >= 0 && hit.row == lastTap_.row) NotifyParent(kItemActivated);
}

bool ListView::OnKeyDown(int key) {
  int row = selected_;
  switch (key) {
    case keys::kUp: row = std::max(0, row - 1); break;
    case keys::kDown: row = std::min(ItemCount() - 1, row + 1); break;
    case keys::kPageUp: row = std::max(0, row - VisibleRowCount()); break;
    case keys::kPageDown: row = std::min(ItemCount() - 1, row + VisibleRowCount()); break;
    case keys::kReturn:
      if (selected_ >= 0) {
        lastTap_ = ListHit{selected_, 0};
        NotifyParent(kItemActivated);
        return true;
      }
      return false;
    default: return false;
  }
  if (ItemCount() == 0) return true;
  Select(row, true);
  EnsureVisible(row);
  return true;
}

}  // namespace tarvo::ui
