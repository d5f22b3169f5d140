#include "launcher/controls/CEditEx.h"

namespace tarvo {

void CEditEx::OnPenDown(ui::Point point) {
  moves_ = 0;
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
  if (moves >= 2) return;
  int width = ClientRect().Width();
  uint32_t message = 0;
  if (point.x < width / 2 - 1) message = kPreviousPageMessage;
  else if (point.x >= width / 2 + 1) message = kNextPageMessage;
  if (message != 0) TopLevel()->SendMessage(message, 0, 0);
}

}  // namespace tarvo
