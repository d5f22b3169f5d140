#include "platform/ui/PopupMenuWindow.h"

#include <algorithm>

#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo::ui {

PopupMenuWindow::PopupMenuWindow(Ui& ui, const std::vector<MenuItem>& items, PopupMenuWindow* parentMenu)
    : items_(items), parentMenu_(parentMenu) {
  CreateTopLevel(ui, Rect{});
}

PopupMenuWindow::~PopupMenuWindow() { CloseSub(); }

int PopupMenuWindow::RowHeight() const { return GetFont().Height() + GetUi().TextHeight() / 3; }

void PopupMenuWindow::Place(Point at, unsigned align) {
  const Font& font = GetFont();
  int pad = GetUi().TextHeight() / 2;
  int width = 0;
  int height = 2;
  for (const MenuItem& item : items_) {
    width = std::max(width, font.TextWidth(item.caption));
    height += item.separator ? pad / 2 + 1 : RowHeight();
  }
  width += 4 * pad + 2;
  int screenW = GetUi().ScreenWidth(), screenH = GetUi().ScreenHeight();
  // Menus stay above the menu bar that opened them.
  Rect bar = GetUi().Frame().BottomBarRect(GetUi().FrameOwner());
  if (!bar.IsEmpty()) screenH = bar.top;
  width = std::min(width, screenW);
  height = std::min(height, screenH);
  int x = at.x, y = at.y;
  if (align == kPopupBottomLeft || align == kPopupBottomRight) y = at.y - height;
  if (align == kPopupBottomRight) x = at.x - width;
  x = std::clamp(x, 0, screenW - width);
  y = std::clamp(y, 0, screenH - height);
  MoveWindow(Rect::FromSize(x, y, width, height));
}

Rect PopupMenuWindow::ItemRect(size_t index) const {
  int y = 1;
  int pad = GetUi().TextHeight() / 2;
  for (size_t i = 0; i < items_.size(); ++i) {
    int h = items_[i].separator ? pad / 2 + 1 : RowHeight();
    if (i == index) return Rect{1, y, ClientRect().right - 1, y + h};
    y += h;
  }
  return Rect{};
}

int PopupMenuWindow::ItemAt(Point point) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (ItemRect(i).Contains(point)) return static_cast<int>(i);
  }
  return -1;
}

void PopupMenuWindow::OnPaint(Canvas& canvas) {
  Rect client = ClientRect();
  canvas.FillRect(client, theme::kMenuFace);
  canvas.FrameRect(client, theme::kMenuBorder);
  const Font& font = GetFont();
  int pad = GetUi().TextHeight() / 2;
  for (size_t i = 0; i < items_.size(); ++i) {
    const MenuItem& item = items_[i];
    Rect row = ItemRect(i);
    if (item.separator) {
      int mid = (row.top + row.bottom) / 2;
      canvas.FillRect(Rect{row.left + 2, mid, row.right - 2, mid + 1}, theme::kGrayText);
      continue;
    }
    bool hot = static_cast<int>(i) == hot_ && item.enabled;
    if (hot) canvas.FillRect(row, theme::kHighlight);
    Color text = !item.enabled ? theme::kGrayText : hot ? theme::kHighlightText : theme::kWindowText;
    if (item.checked) {
      int s = pad / 2 + 1;
      int cy = (row.top + row.bottom) / 2;
      canvas.FillRect(Rect{row.left + pad / 2, cy - s / 2, row.left + pad / 2 + s, cy - s / 2 + s}, text);
    }
    canvas.DrawText(font, item.caption, Rect{row.left + 2 * pad, row.top, row.right - pad, row.bottom}, text,
                    kAlignLeft | kAlignVCenter);
    if (item.IsPopup()) {
      // A small arrow pointing to the sub-menu.
      int cx = row.right - pad, cy = (row.top + row.bottom) / 2, s = pad / 2;
      for (int d = 0; d <= s; ++d) canvas.DrawLine(Point{cx - s + d, cy - s + d}, Point{cx - s + d, cy + s - d}, text);
    }
  }
}

void PopupMenuWindow::OnPenDown(Point point) {
  int index = ItemAt(point);
  hot_ = index;
  Invalidate();
  if (index >= 0 && items_[index].IsPopup() && items_[index].enabled) OpenSub(static_cast<size_t>(index));
  else CloseSub();
}

void PopupMenuWindow::OnPenMove(Point point) {
  int index = ItemAt(point);
  if (index != hot_) {
    hot_ = index;
    Invalidate();
  }
}

void PopupMenuWindow::OnPenUp(Point point) {
  int index = ItemAt(point);
  if (index < 0) return;
  const MenuItem& item = items_[index];
  if (item.separator || !item.enabled || item.IsPopup()) return;
  Finish(item.command);
}

void PopupMenuWindow::OnPenDownOutside(Point point) {
  Point screen = ToScreen(point);
  if (parentMenu_ != nullptr) {
    PopupMenuWindow* parent = parentMenu_;
    // The parent destroys this window in CloseSub: only use locals after it.
    if (parent->WindowRect().Contains(screen)) {
      parent->CloseSub();
      parent->OnPenDown(parent->FromScreen(screen));
    } else {
      parent->CloseSub();
      parent->OnPenDownOutside(parent->FromScreen(screen));
    }
    return;
  }
  Finish(0);
}

bool PopupMenuWindow::OnKeyDown(int key) {
  int count = static_cast<int>(items_.size());
  auto step = [&](int dir) {
    for (int n = 0; n < count; ++n) {
      hot_ = ((hot_ < 0 ? (dir > 0 ? -1 : 0) : hot_) + dir + count) % count;
      if (!items_[hot_].separator && items_[hot_].enabled) break;
    }
    Invalidate();
  };
  switch (key) {
    case keys::kDown: step(1); return true;
    case keys::kUp: step(-1); return true;
    case keys::kReturn:
      if (hot_ >= 0 && items_[hot_].enabled && !items_[hot_].separator) {
        if (items_[hot_].IsPopup()) OpenSub(static_cast<size_t>(hot_));
        else Finish(items_[hot_].command);
      }
      return true;
    case keys::kEscape:
    case keys::kLeft:
      if (parentMenu_ != nullptr) parentMenu_->CloseSub();
      else Finish(0);
      return true;
    default: return true;  // a menu takes every key while open
  }
}

void PopupMenuWindow::OpenSub(size_t index) {
  CloseSub();
  sub_ = std::make_unique<PopupMenuWindow>(GetUi(), items_[index].subItems, this);
  Rect row = ItemRect(index);
  Point at = ToScreen(Point{row.right, row.top});
  sub_->Place(at, kPopupTopLeft);
  // Too wide to fit at the right: open it leftwards.
  if (sub_->WindowRect().left < at.x - 1) {
    Point left = ToScreen(Point{0, row.top});
    Rect r = sub_->WindowRect();
    int x = std::max(0, left.x - r.Width());
    sub_->MoveWindow(Rect::FromSize(x, r.top, r.Width(), r.Height()));
  }
  sub_->Show(true);
  GetUi().BringToTop(sub_.get());
}

void PopupMenuWindow::CloseSub() {
  if (sub_ == nullptr) return;
  std::unique_ptr<PopupMenuWindow> sub = std::move(sub_);
  sub->Destroy();
}

void PopupMenuWindow::Finish(int command) {
  if (parentMenu_ != nullptr) {
    parentMenu_->Finish(command);
    return;
  }
  CloseSub();
  command_ = command;
  finished_ = true;
  Show(false);
}

}  // namespace tarvo::ui
