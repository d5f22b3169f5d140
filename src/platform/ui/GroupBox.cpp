#include "platform/ui/GroupBox.h"

#include "platform/ui/Theme.h"

namespace tarvo::ui {
namespace {

constexpr int kCaptionIndent = 6;
constexpr int kCaptionGap = 2;

}  // namespace

bool GroupBox::Create(Window* parent, WStringView caption, const Rect& rect, int id) {
  if (!CreateChild(parent, rect, id)) return false;
  SetText(caption);
  return true;
}

Rect GroupBox::InnerRect(int margin) const {
  const Rect r = WindowRect();
  return Rect{r.left + 1 + margin, r.top + GetFont().Height() + margin, r.right - 1 - margin,
              r.bottom - 1 - margin};
}

void GroupBox::OnPaint(Canvas& canvas) {
  const Rect client = ClientRect();
  canvas.FillRect(client, theme::kWindow);
  const int textHeight = GetFont().Height();
  const int lineY = textHeight / 2;
  canvas.FrameRect(Rect{client.left, lineY, client.right, client.bottom}, theme::kButtonBorder);
  const int textWidth = GetFont().TextWidth(Text());
  const Rect caption{kCaptionIndent, 0, kCaptionIndent + textWidth + 2 * kCaptionGap, textHeight};
  canvas.FillRect(caption, theme::kWindow);
  canvas.DrawText(GetFont(), Text(), caption, IsEffectivelyEnabled() ? theme::kWindowText : theme::kGrayText,
                  kAlignCenter | kAlignVCenter);
}

}  // namespace tarvo::ui
