#pragma once
// A vertical scroll bar control: a track with a thumb showing which part of
// a content of some height is in view. A press on the track above or below
// the thumb moves by a page, a drag of the thumb follows the pen; every move
// tells the parent (OnCommand(Id(), kValueChanged)) and the parent reads
// Pos(). The owner moves it with SetPos when its content scrolls otherwise.
#include "platform/ui/Window.h"

namespace tarvo::ui {

class ScrollBar : public Window {
 public:
  bool Create(Window* parent, const Rect& rect, int id = 0);
  // The content is `content` high, `page` of it shows at once; the position
  // runs from 0 to MaxPos() = max(0, content - page).
  void SetRange(int content, int page);
  // Clamped to 0..MaxPos(); no notification.
  void SetPos(int pos);
  int Pos() const { return pos_; }
  int MaxPos() const;
  int Content() const { return content_; }
  int Page() const { return page_; }
  // The thumb in client coordinates.
  Rect ThumbRect() const;

  const char* ControlKind() const override { return "scrollbar"; }
  void DescribeValues(DescribedValues& out) const override;
  void OnPaint(Canvas& canvas) override;
  void OnPenDown(Point point) override;
  void OnPenMove(Point point) override;
  void OnPenUp(Point point) override;

 private:
  void MoveTo(int pos);

  int content_ = 0;
  int page_ = 0;
  int pos_ = 0;
  bool dragging_ = false;
  int pressY_ = 0;
  int pressPos_ = 0;
};

}  // namespace tarvo::ui
