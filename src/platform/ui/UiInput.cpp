// Routing of pen, key and text input to windows, and tap-and-hold.
#include <cstdlib>

#include "platform/ui/MenuBar.h"
#include "platform/ui/Ui.h"
#include "platform/ui/Window.h"

namespace tarvo::ui {

void Ui::HandleInput(const InputEvent& input) {
  if (inputBlockUsers_ > 0) {
    // The release of a press still counts, so the next press is not taken
    // for a second one without a release.
    if (input.type == InputEvent::Type::PenUp) {
      penDown_ = false;
      penTarget_ = 0;
    }
    return;
  }
  switch (input.type) {
    case InputEvent::Type::PenDown:
    case InputEvent::Type::PenMove:
    case InputEvent::Type::PenUp:
      HandlePen(input);
      break;
    case InputEvent::Type::Key:
      HandleKey(input.key);
      break;
    case InputEvent::Type::Text:
      HandleText(input.text);
      break;
  }
}

void Ui::HandlePen(const InputEvent& input) {
  Point point = input.point;
  if (input.type == InputEvent::Type::PenDown) {
    if (penDown_) return;  // a second press without a release is ignored
    penDown_ = true;
    penStart_ = point;
    penDownAt_ = clock_->NowMs();
    holdPossible_ = true;
    pressSwallowed_ = false;
    penTarget_ = 0;
    Window* top = TopWindow();
    if (top != nullptr && top->IsPopup() && !top->WindowRect().Contains(point)) {
      pressSwallowed_ = true;
      top->OnPenDownOutside(top->FromScreen(point));
      return;
    }
    if (top == nullptr || !top->IsPopup()) {
      if (frame_.HandleTap(*this, FrameOwner(), point)) {
        pressSwallowed_ = true;
        return;
      }
    }
    if (top == nullptr || !top->WindowRect().Contains(point)) {
      pressSwallowed_ = true;
      return;
    }
    Window* target = top->ChildAt(top->FromScreen(point));
    if (!target->IsEffectivelyEnabled()) {
      pressSwallowed_ = true;
      return;
    }
    penTarget_ = target->Handle();
    if (target->AcceptsFocus()) SetFocus(target);
    if (FromHandle(penTarget_) == target) target->OnPenDown(target->FromScreen(point));
    return;
  }

  if (!penDown_) return;
  if (std::abs(point.x - penStart_.x) > kTapAndHoldSlop || std::abs(point.y - penStart_.y) > kTapAndHoldSlop)
    holdPossible_ = false;
  bool up = input.type == InputEvent::Type::PenUp;
  if (up) penDown_ = false;
  if (pressSwallowed_) return;
  Window* target = capture_ != nullptr ? capture_ : FromHandle(penTarget_);
  if (target == nullptr) return;
  if (up) {
    penTarget_ = 0;
    target->OnPenUp(target->FromScreen(point));
  } else {
    target->OnPenMove(target->FromScreen(point));
  }
}

void Ui::BeginInputBlock() {
  if (inputBlockUsers_++ > 0) return;
  // The press under way ends here, as a lost capture ends it: its release
  // will click nothing.
  Window* pressed = penDown_ ? FromHandle(penTarget_) : nullptr;
  pressSwallowed_ = true;
  penTarget_ = 0;
  if (capture_ != nullptr) {
    SetCapture(nullptr);
  } else if (pressed != nullptr) {
    pressed->OnCaptureLost();
  }
}

void Ui::EndInputBlock() {
  if (inputBlockUsers_ > 0) --inputBlockUsers_;
}

void Ui::CheckTapAndHold() {
  if (!penDown_ || !holdPossible_ || pressSwallowed_) return;
  if (clock_->NowMs() < penDownAt_ + kTapAndHoldMs) return;
  holdPossible_ = false;
  for (Window* w = FromHandle(penTarget_); w != nullptr; w = w->Parent()) {
    WindowHandle handle = w->Handle();
    if (w->OnTapAndHold(w->FromScreen(penStart_))) {
      pressSwallowed_ = true;
      return;
    }
    if (FromHandle(handle) != w) return;  // the handler destroyed the window
  }
}

void Ui::HandleKey(int key) {
  Window* top = TopWindow();
  Window* target = focus_;
  if (target == nullptr || target->TopLevel() != top) target = top;
  for (Window* w = target; w != nullptr; w = w->Parent()) {
    if (!w->IsEffectivelyEnabled()) continue;
    WindowHandle handle = w->Handle();
    if (w->OnKeyDown(key)) return;
    if (FromHandle(handle) != w) return;
  }
  // Soft keys not taken by a window act on the menu bar.
  Window* active = FrameOwner();
  if (active != nullptr && active == top && (key == keys::kSoftLeft || key == keys::kSoftRight)) {
    MenuBar* menu = active->GetMenuBar();
    size_t index = key == keys::kSoftLeft ? 0 : 1;
    if (menu != nullptr && active->ShowsMenuBar() && index < menu->Items().size())
      menu->ActivateItem(*active, index, frame_.SoftKeyRect(active, index));
  }
}

void Ui::HandleText(const WString& text) {
  Window* top = TopWindow();
  Window* target = focus_;
  if (target == nullptr || target->TopLevel() != top) target = top;
  if (target != nullptr && target->IsEffectivelyEnabled()) target->OnChar(text);
}

}  // namespace tarvo::ui
