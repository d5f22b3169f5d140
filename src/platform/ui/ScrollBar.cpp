#include "platform/ui/ScrollBar.h"

#include <algorithm>
#include <string>

#include "platform/ui/Theme.h"

namespace tarvo::ui {
namespace {

constexpr int kMinThumb = 6;

}  // namespace

bool ScrollBar::Create(Window* parent, const Rect& rect, int id) { return CreateChild(parent, rect, id); }

void ScrollBar::SetRange(int content, int page) {
  content_ = std::max(0, content);
  page_ = std::max(0, page);
  pos_ = std::clamp(pos_, 0, MaxPos());
  Invalidate();
}

int ScrollBar::MaxPos() const { return std::max(0, content_ - page_); }

void ScrollBar::SetPos(int pos) {
  const int next = std::clamp(pos, 0, MaxPos());
  if (next == pos_) return;
  pos_ = next;
  Invalidate();
}

Rect ScrollBar::ThumbRect() const {
  const Rect client = ClientRect();
  const int track = client.Height();
  if (content_ <= page_ || content_ <= 0) return Rect{client.left + 1, 0, client.right - 1, track};
  const int len = std::max(kMinThumb, static_cast<int>(static_cast<int64_t>(track) * page_ / content_));
  const int room = std::max(0, track - len);
  const int top = MaxPos() > 0 ? static_cast<int>(static_cast<int64_t>(room) * pos_ / MaxPos()) : 0;
  return Rect{client.left + 1, top, client.right - 1, top + len};
}

void ScrollBar::DescribeValues(DescribedValues& out) const {
  out.emplace_back("pos", std::to_string(pos_));
  out.emplace_back("max", std::to_string(MaxPos()));
}

void ScrollBar::OnPaint(Canvas& canvas) {
  canvas.FillRect(ClientRect(), theme::kScrollTrack);
  // Content that fits shows the bare track, as a disabled bar does.
  if (MaxPos() > 0) canvas.FillRect(ThumbRect(), theme::kScrollThumb);
}

void ScrollBar::MoveTo(int pos) {
  const int before = pos_;
  SetPos(pos);
  if (pos_ != before) NotifyParent(kValueChanged);
}

void ScrollBar::OnPenDown(Point point) {
  const Rect thumb = ThumbRect();
  if (point.y < thumb.top) {
    MoveTo(pos_ - page_);
    return;
  }
  if (point.y >= thumb.bottom) {
    MoveTo(pos_ + page_);
    return;
  }
  dragging_ = true;
  pressY_ = point.y;
  pressPos_ = pos_;
  SetCapture();
}

void ScrollBar::OnPenMove(Point point) {
  if (!dragging_) return;
  // The thumb travels the track less its own length while the position
  // travels 0..MaxPos(): a pen move scales by their ratio.
  const int room = std::max(1, ClientRect().Height() - ThumbRect().Height());
  MoveTo(pressPos_ + static_cast<int>(static_cast<int64_t>(point.y - pressY_) * MaxPos() / room));
}

void ScrollBar::OnPenUp(Point) {
  if (!dragging_) return;
  dragging_ = false;
  ReleaseCapture();
}

}  // namespace tarvo::ui
