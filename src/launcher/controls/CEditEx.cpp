#include "launcher/controls/CEditEx.h"

#include "platform/ui/Ui.h"

namespace tarvo {

// The width the halves divide: the text's, less the scroll bar while it shows.
int CEditEx::PagingWidth() const {
  const int width = ClientRect().Width();
  return HasScrollBar() ? width - GetUi().ScrollBarWidth() : width;
}

// The bar lies inside the frame, where the edit itself takes a press as scrolling.
bool CEditEx::OnScrollBar(ui::Point point) const { return HasScrollBar() && point.x >= TextRect().right; }

void CEditEx::OnPenDown(ui::Point point) {
  moves_ = 0;
  pressOnScrollBar_ = OnScrollBar(point);
  ui::Edit::OnPenDown(point);
}

void CEditEx::OnPenMove(ui::Point point) {
  ++moves_;
  ui::Edit::OnPenMove(point);
}

void CEditEx::OnPenUp(ui::Point point) {
  ui::Edit::OnPenUp(point);
  int moves = moves_;
  moves_ = 0;  // reset before the page turns: the handler may rebuild this window
  const bool onScrollBar = pressOnScrollBar_;
  pressOnScrollBar_ = false;
  // A tap on the scroll bar only scrolls.
  if (moves >= 2 || onScrollBar || OnScrollBar(point)) return;
  const int width = PagingWidth();
  uint32_t message = 0;
  if (point.x < width / 2 - 1) message = kPreviousPageMessage;
  else if (point.x >= width / 2 + 1) message = kNextPageMessage;
  if (message != 0) TopLevel()->SendMessage(message, 0, 0);
}

}  // namespace tarvo
