#include "platform/ui/Window.h"

#include <algorithm>

#include "platform/ui/Theme.h"
#include "platform/ui/Ui.h"

namespace tarvo::ui {

Window::~Window() { Destroy(); }

void Window::Attach(Ui& ui, Window* parent, const Rect& rect, int id) {
  if (IsCreated()) Destroy();
  ui_ = &ui;
  parent_ = parent;
  rect_ = rect;
  id_ = id;
  handle_ = ui.Register(this);
  if (parent_ != nullptr) parent_->children_.push_back(this);
}

bool Window::CreateTopLevel(Ui& ui, const Rect& rect) {
  Attach(ui, nullptr, rect, 0);
  visible_ = false;
  ui.AddTopLevel(this);
  return true;
}

bool Window::CreateChild(Window* parent, const Rect& rect, int id) {
  if (parent == nullptr || !parent->IsCreated()) return false;
  Attach(*parent->ui_, parent, rect, id);
  visible_ = true;
  Invalidate();
  return true;
}

void Window::Destroy() {
  if (!IsCreated()) return;
  while (!children_.empty()) children_.back()->Destroy();
  Ui* ui = ui_;
  Invalidate();
  if (parent_ != nullptr) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  } else {
    ui->RemoveTopLevel(this);
  }
  ui->Unregister(this);
  ui_ = nullptr;
  parent_ = nullptr;
  handle_ = 0;
  visible_ = false;
}

Window* Window::TopLevel() {
  Window* w = this;
  while (w->parent_ != nullptr) w = w->parent_;
  return w;
}

Window* Window::FindChild(int id) const {
  for (Window* child : children_) {
    if (child->id_ == id) return child;
  }
  return nullptr;
}

Window* Window::ChildAt(Point clientPoint) {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Window* child = *it;
    if (child->visible_ && child->rect_.Contains(clientPoint))
      return child->ChildAt(Point{clientPoint.x - child->rect_.left, clientPoint.y - child->rect_.top});
  }
  return this;
}

Rect Window::ScreenRect() const {
  Point origin = ToScreen(Point{0, 0});
  return Rect::FromSize(origin.x, origin.y, rect_.Width(), rect_.Height());
}

Point Window::ToScreen(Point client) const {
  for (const Window* w = this; w != nullptr; w = w->parent_) {
    client.x += w->rect_.left;
    client.y += w->rect_.top;
  }
  return client;
}

Point Window::FromScreen(Point screen) const {
  Point origin = ToScreen(Point{0, 0});
  return Point{screen.x - origin.x, screen.y - origin.y};
}

void Window::MoveWindow(const Rect& rect) {
  if (rect == rect_) return;
  Invalidate();
  rect_ = rect;
  Invalidate();
  OnSize();
}

void Window::Show(bool show) {
  if (visible_ == show) return;
  visible_ = show;
  Invalidate();
  if (ui_ != nullptr && parent_ == nullptr) ui_->TopLevelsChanged();
  if (!show && ui_ != nullptr) ui_->WindowHidden(this);
  OnShow(show);
}

bool Window::IsShown() const {
  for (const Window* w = this; w != nullptr; w = w->parent_) {
    if (!w->visible_) return false;
  }
  return IsCreated();
}

void Window::Enable(bool enable) {
  if (enabled_ == enable) return;
  enabled_ = enable;
  Invalidate();
}

bool Window::IsEffectivelyEnabled() const {
  for (const Window* w = this; w != nullptr; w = w->parent_) {
    if (!w->enabled_) return false;
  }
  return true;
}

void Window::SetText(WStringView text) {
  if (text_ == text) return;
  text_ = WString(text);
  OnTextSet();
  Invalidate();
}

void Window::SetFont(const Font& font) {
  font_ = font;
  Invalidate();
}

const Font& Window::GetFont() const {
  if (!font_.IsNull() || ui_ == nullptr) return font_;
  return ui_->NormalFont();
}

void Window::Invalidate() {
  if (ui_ != nullptr) ui_->InvalidateScreen();
}

void Window::UpdateWindow() {
  if (ui_ != nullptr) ui_->RenderScreen();
}

void Window::SetFocus() {
  if (ui_ != nullptr) ui_->SetFocus(this);
}

bool Window::HasFocus() const { return ui_ != nullptr && ui_->Focus() == this; }

void Window::SetCapture() {
  if (ui_ != nullptr) ui_->SetCapture(this);
}

void Window::ReleaseCapture() {
  if (ui_ != nullptr && ui_->Capture() == this) ui_->SetCapture(nullptr);
}

void Window::SetTimer(int id, int intervalMs) {
  if (ui_ != nullptr) ui_->SetTimer(this, id, intervalMs);
}

void Window::KillTimer(int id) {
  if (ui_ != nullptr) ui_->KillTimer(this, id);
}

void Window::PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) const {
  if (ui_ != nullptr) ui_->PostMessage(handle_, message, wParam, lParam);
}

void Window::NotifyParent(int code) {
  if (parent_ != nullptr) parent_->OnCommand(id_, code);
}

void Window::OnPaint(Canvas& canvas) { canvas.FillRect(ClientRect(), theme::kWindow); }

bool Window::OnCommand(int id, int code) {
  return parent_ != nullptr ? parent_->OnCommand(id, code) : false;
}

}  // namespace tarvo::ui
