#pragma once
// The joke reader's text area: an edit field whose taps turn pages. A tap
// (fewer than 2 pen moves) in the left half sends message 1126 (previous
// page) to the top-level parent, in the right half 1125 (next page); the two
// middle pixels send nothing. While the scroll bar shows, the halves divide
// the width left of it, and a tap on the bar only scrolls.
#include "platform/ui/Edit.h"

namespace tarvo {

class CEditEx : public ui::Edit {
 public:
  static constexpr uint32_t kNextPageMessage = 1125;
  static constexpr uint32_t kPreviousPageMessage = 1126;

  int MoveCount() const { return moves_; }

  void OnPenDown(ui::Point point) override;
  void OnPenMove(ui::Point point) override;
  void OnPenUp(ui::Point point) override;

 private:
  int PagingWidth() const;
  bool OnScrollBar(ui::Point point) const;

  int moves_ = 0;
  bool pressOnScrollBar_ = false;
};

}  // namespace tarvo
