#include "platform/ui/Ui.h"

#include <algorithm>

#include "platform/ui/Theme.h"
#include "platform/ui/Window.h"

namespace tarvo::ui {

Ui::Ui(const UiOptions& options)
    : options_(options),
      clock_(options.clock != nullptr ? options.clock : &realClock_),
      fonts_(options.fontPath.empty() ? FontEngine::FindCjkFontPath() : options.fontPath) {
  int width = std::clamp(options.width, 1, 4096);
  int height = std::clamp(options.height, 1, 4096);
  screen_ = Canvas(width, height, PixelFormat::Xrgb, 0xFF000000 | theme::kDesktop);
  frame_.SetScreen(width, height);
  MakeFonts();
}

Ui::~Ui() {
  // Windows that outlive the Ui must not call back into it.
  std::vector<Window*> tops = topLevels_;
  for (Window* window : tops) window->Destroy();
}

void Ui::MakeFonts() {
  normalFont_ = fonts_.Create(TextHeight());
  underlinedFont_ = normalFont_.WithUnderline(true);
}

int Ui::TextHeight() const {
  int shorter = std::min(ScreenWidth(), ScreenHeight());
  if (shorter <= 240) return 18;
  if (shorter < 480) return 24;
  return 36;
}

int Ui::ScrollBarWidth() const { return TextHeight() * 13 / 18; }

void Ui::SetScreenSize(int width, int height) {
  width = std::clamp(width, 1, 4096);
  height = std::clamp(height, 1, 4096);
  if (width == ScreenWidth() && height == ScreenHeight()) return;
  screen_ = Canvas(width, height, PixelFormat::Xrgb, 0xFF000000 | theme::kDesktop);
  frame_.SetScreen(width, height);
  MakeFonts();
  dirty_ = true;
  std::vector<Window*> tops = topLevels_;
  for (Window* window : tops) {
    if (windows_.count(window->Handle()) != 0) window->OnSettingChange(SettingChange::Rotation);
  }
}

void Ui::ShowInputPanel(bool shown) {
  if (frame_.InputPanelShown() == shown) return;
  frame_.SetInputPanelShown(shown);
  dirty_ = true;
  std::vector<Window*> tops = topLevels_;
  for (Window* window : tops) {
    if (windows_.count(window->Handle()) != 0) window->OnSettingChange(SettingChange::InputPanel);
  }
}

// --- thread-safe -------------------------------------------------------------

void Ui::PostTask(std::function<void()> task) {
  {
    std::lock_guard<std::mutex> guard(queueLock_);
    queue_.push_back(Task{std::move(task)});
  }
  queueSignal_.notify_all();
}

void Ui::PostMessage(WindowHandle target, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  {
    std::lock_guard<std::mutex> guard(queueLock_);
    queue_.push_back(Posted{target, message, wParam, lParam});
  }
  queueSignal_.notify_all();
}

void Ui::PostInput(InputEvent event) {
  {
    std::lock_guard<std::mutex> guard(queueLock_);
    queue_.push_back(std::move(event));
  }
  queueSignal_.notify_all();
}

uint32_t Ui::RegisterWindowMessage(std::string_view name) {
  std::lock_guard<std::mutex> guard(queueLock_);
  auto found = registeredMessages_.find(name);
  if (found != registeredMessages_.end()) return found->second;
  uint32_t id = kFirstRegisteredMessage + static_cast<uint32_t>(registeredMessages_.size());
  registeredMessages_.emplace(std::string(name), id);
  return id;
}

void Ui::Quit() {
  {
    std::lock_guard<std::mutex> guard(queueLock_);
    quit_ = true;
  }
  queueSignal_.notify_all();
}

bool Ui::QueueEmpty() const {
  std::lock_guard<std::mutex> guard(queueLock_);
  return queue_.empty();
}

bool Ui::QuitRequested() const {
  std::lock_guard<std::mutex> guard(queueLock_);
  return quit_;
}

void Ui::Wake() { queueSignal_.notify_all(); }

// --- the loop ----------------------------------------------------------------

bool Ui::PopEvent(Event& event) {
  std::lock_guard<std::mutex> guard(queueLock_);
  if (queue_.empty()) return false;
  event = std::move(queue_.front());
  queue_.pop_front();
  return true;
}

void Ui::Dispatch(Event& event) {
  if (auto* task = std::get_if<Task>(&event)) {
    if (task->run) task->run();
  } else if (auto* posted = std::get_if<Posted>(&event)) {
    Window* window = FromHandle(posted->target);
    if (window != nullptr) window->OnMessage(posted->message, posted->wParam, posted->lParam);
  } else if (auto* input = std::get_if<InputEvent>(&event)) {
    HandleInput(*input);
  }
}

void Ui::ProcessPending() {
  if (display_ != nullptr && !display_->Poll(*this)) Quit();
  // Only what was queued before this pass, so a handler that keeps posting
  // cannot hold the loop here forever.
  size_t count;
  {
    std::lock_guard<std::mutex> guard(queueLock_);
    count = queue_.size();
  }
  for (size_t i = 0; i < count && !QuitRequested(); ++i) {
    Event event;
    if (!PopEvent(event)) break;
    Dispatch(event);
  }
  RunDueTimers();
  if (afterEvent_) afterEvent_();
  if (display_ != nullptr && dirty_) display_->Present(RenderScreen());
}

void Ui::RunOnce(int maxWaitMs) {
  int64_t wait = std::max(0, maxWaitMs);
  if (!clock_->IsVirtual()) {
    int64_t now = clock_->NowMs();
    for (const Timer& timer : timers_) wait = std::min<int64_t>(wait, std::max<int64_t>(0, timer.due - now));
    if (penDown_ && holdPossible_)
      wait = std::min<int64_t>(wait, std::max<int64_t>(0, penDownAt_ + kTapAndHoldMs - now));
  }
  if (display_ != nullptr) wait = std::min<int64_t>(wait, 10);
  {
    std::unique_lock<std::mutex> lock(queueLock_);
    queueSignal_.wait_for(lock, std::chrono::milliseconds(wait), [this] { return !queue_.empty() || quit_; });
  }
  ProcessPending();
}

void Ui::RunUntil(const std::function<bool()>& done) {
  while (!done() && !QuitRequested()) RunOnce(100);
}

void Ui::RunDueTimers() {
  CheckTapAndHold();
  int64_t now = clock_->NowMs();
  // Each due timer fires once per pass; a clock that jumps far ahead does
  // not make a timer catch up with every missed period.
  std::vector<std::pair<WindowHandle, int>> due;
  for (Timer& timer : timers_) {
    if (timer.due <= now) {
      due.emplace_back(timer.window, timer.id);
      timer.due = now + timer.interval;
    }
  }
  for (const auto& [handle, id] : due) {
    Window* window = FromHandle(handle);
    if (window != nullptr && HasTimer(window, id)) window->OnTimer(id);
  }
}

// --- rendering ---------------------------------------------------------------

void Ui::PaintTree(Window* window, Canvas& canvas) {
  CanvasStateSaver saved(canvas);
  canvas.ClipTo(window->WindowRect());
  canvas.Translate(window->WindowRect().left, window->WindowRect().top);
  if (!canvas.ClipRect().IsEmpty()) {
    window->OnPaint(canvas);
    for (Window* child : window->Children()) {
      if (child->IsVisible()) PaintTree(child, canvas);
    }
  }
}

const Canvas& Ui::RenderScreen() {
  if (!dirty_) return screen_;
  dirty_ = false;
  screen_.ResetState();
  screen_.FillRect(Rect{0, 0, screen_.Width(), screen_.Height()}, theme::kDesktop);
  Window* active = FrameOwner();
  for (Window* window : topLevels_) {
    if (window->IsVisible() && !window->IsPopup()) PaintTree(window, screen_);
  }
  frame_.Draw(screen_, active, normalFont_);
  for (Window* window : topLevels_) {
    if (window->IsVisible() && window->IsPopup()) PaintTree(window, screen_);
  }
  if (IsWaitCursor()) {
    // The busy mark in the middle of the screen.
    int size = TextHeight() * 2;
    Rect mark = Rect::FromSize((ScreenWidth() - size) / 2, (ScreenHeight() - size) / 2, size, size);
    screen_.FillRect(mark, theme::kWindow);
    screen_.FrameRect(mark, theme::kButtonBorder);
    Rect inner = mark.Inflate(-size / 5, -size / 5);
    for (int i = 0; i < 4; ++i) {
      Color c = i % 2 == 0 ? Rgb(230, 60, 40) : Rgb(50, 110, 230);
      int half = inner.Width() / 2;
      Rect q = Rect::FromSize(inner.left + (i % 2) * half, inner.top + (i / 2) * half, half, half);
      screen_.FillRect(q.Inflate(-1, -1), c);
    }
  }
  return screen_;
}

// --- windows -----------------------------------------------------------------

WindowHandle Ui::Register(Window* window) {
  WindowHandle handle = nextHandle_++;
  windows_[handle] = window;
  return handle;
}

void Ui::Unregister(Window* window) {
  windows_.erase(window->Handle());
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return t.window == window->Handle(); }),
                timers_.end());
  if (focus_ == window) focus_ = nullptr;
  if (capture_ == window) capture_ = nullptr;
  if (active_ == window) active_ = nullptr;
  if (penTarget_ == window->Handle()) penTarget_ = 0;
}

Window* Ui::FromHandle(WindowHandle handle) const {
  auto found = windows_.find(handle);
  return found == windows_.end() ? nullptr : found->second;
}

void Ui::AddTopLevel(Window* window) {
  topLevels_.push_back(window);
  TopLevelsChanged();
}

void Ui::RemoveTopLevel(Window* window) {
  topLevels_.erase(std::remove(topLevels_.begin(), topLevels_.end(), window), topLevels_.end());
  TopLevelsChanged();
}

void Ui::BringToTop(Window* window) {
  auto found = std::find(topLevels_.begin(), topLevels_.end(), window);
  if (found == topLevels_.end()) return;
  topLevels_.erase(found);
  topLevels_.push_back(window);
  TopLevelsChanged();
}

Window* Ui::TopWindow() const {
  for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
    if ((*it)->IsVisible()) return *it;
  }
  return nullptr;
}

Window* Ui::ActiveWindow() const {
  for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
    if ((*it)->IsVisible() && !(*it)->IsPopup()) return *it;
  }
  return nullptr;
}

Window* Ui::FrameOwner() const {
  for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
    if ((*it)->IsVisible() && !(*it)->IsPopup() && !(*it)->UsesOwnerFrame()) return *it;
  }
  return nullptr;
}

void Ui::TopLevelsChanged() {
  dirty_ = true;
  UpdateActivation();
}

void Ui::UpdateActivation() {
  Window* now = ActiveWindow();
  if (now == active_) return;
  Window* before = active_;
  active_ = now;
  if (before != nullptr) before->OnActivate(false);
  if (now != nullptr && active_ == now) now->OnActivate(true);
}

void Ui::WindowHidden(Window* window) {
  if (focus_ != nullptr) {
    for (Window* w = focus_; w != nullptr; w = w->Parent()) {
      if (w == window) {
        SetFocus(nullptr);
        break;
      }
    }
  }
  if (capture_ == window) SetCapture(nullptr);
}

void Ui::SetFocus(Window* window) {
  if (window == focus_) return;
  Window* before = focus_;
  focus_ = window;
  dirty_ = true;
  if (before != nullptr) before->OnKillFocus();
  if (focus_ == window && window != nullptr) window->OnSetFocus();
}

void Ui::SetCapture(Window* window) {
  if (window == capture_) return;
  Window* before = capture_;
  capture_ = window;
  if (before != nullptr) before->OnCaptureLost();
}

void Ui::SetTimer(Window* window, int id, int intervalMs) {
  intervalMs = std::max(1, intervalMs);
  int64_t due = clock_->NowMs() + intervalMs;
  for (Timer& timer : timers_) {
    if (timer.window == window->Handle() && timer.id == id) {
      timer.interval = intervalMs;
      timer.due = due;
      return;
    }
  }
  timers_.push_back(Timer{window->Handle(), id, intervalMs, due});
}

void Ui::KillTimer(Window* window, int id) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return t.window == window->Handle() && t.id == id; }),
                timers_.end());
}

bool Ui::HasTimer(const Window* window, int id) const {
  return std::any_of(timers_.begin(), timers_.end(),
                     [&](const Timer& t) { return t.window == window->Handle() && t.id == id; });
}

void Ui::BeginWaitCursor() {
  if (waitCursorUsers_++ == 0) dirty_ = true;
}

void Ui::EndWaitCursor() {
  if (waitCursorUsers_ <= 0) return;
  if (--waitCursorUsers_ == 0) dirty_ = true;
}

}  // namespace tarvo::ui
