#pragma once
// The UI system of one phone screen: the event loop (posted tasks, posted
// messages, input, timers on a Clock), the window registry, top-level
// z-order, focus and capture, the phone frame around the windows, the fonts,
// and rendering of everything into the screen canvas. Thread-safe calls are
// marked; everything else belongs to the UI thread.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "platform/ui/Canvas.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Font.h"
#include "platform/ui/Messages.h"
#include "platform/ui/PhoneFrame.h"
#include "platform/threads/WorkTracker.h"

namespace tarvo::ui {

class Window;

struct UiOptions {
  static UiOptions Sized(int width, int height) {
    UiOptions options;
    options.width = width;
    options.height = height;
    return options;
  }
  int width = 240;
  int height = 320;
  std::string fontPath;  // empty: the CJK system font
  // Null: real time. The Ui does not own the clock.
  Clock* clock = nullptr;
  // Runs no person drives: message boxes print to stderr and answer OK,
  // No or Cancel by themselves.
  bool answerMessageBoxes = false;
};

struct InputEvent {
  enum class Type { PenDown, PenMove, PenUp, Key, Text };
  Type type = Type::PenDown;
  Point point;
  int key = 0;
  WString text;
};

// What a window that shows pictures on screen asks of the outside: the SDL
// window presents the screen and feeds input; headless runs have none.
class Display {
 public:
  virtual ~Display() = default;
  virtual void Present(const Canvas& screen) = 0;
  // Turns pending host events into PostInput calls; false when the host
  // asked to close.
  virtual bool Poll(class Ui& ui) = 0;
};

class Ui {
 public:
  explicit Ui(const UiOptions& options = UiOptions());
  ~Ui();
  Ui(const Ui&) = delete;
  Ui& operator=(const Ui&) = delete;

  // --- screen, metrics, fonts -------------------------------------------
  int ScreenWidth() const { return screen_.Width(); }
  int ScreenHeight() const { return screen_.Height(); }
  // Swaps to a new screen size (rotation) and tells every top-level window.
  void SetScreenSize(int width, int height);
  void Rotate() { SetScreenSize(ScreenHeight(), ScreenWidth()); }
  // 18, 24 or 36 by the shorter side, as the program's metrics choose.
  int TextHeight() const;
  int ScrollBarWidth() const;
  FontEngine& Fonts() { return fonts_; }
  const Font& NormalFont() const { return normalFont_; }
  const Font& UnderlinedFont() const { return underlinedFont_; }
  // Raises or lowers the input panel and tells every top-level window.
  void ShowInputPanel(bool shown);
  PhoneFrame& Frame() { return frame_; }
  const PhoneFrame& Frame() const { return frame_; }
  Clock& GetClock() { return *clock_; }
  bool AnswersMessageBoxes() const { return options_.answerMessageBoxes; }

  // --- thread-safe --------------------------------------------------------
  void PostTask(std::function<void()> task);
  void PostMessage(WindowHandle target, uint32_t message, uintptr_t wParam, intptr_t lParam);
  void PostInput(InputEvent event);
  // The same id for the same name, ids from kFirstRegisteredMessage.
  uint32_t RegisterWindowMessage(std::string_view name);
  // Ends every running loop (DoModal returns kIdAbort).
  void Quit();
  bool QuitRequested() const;
  void Wake();

  // --- the loop (UI thread) -----------------------------------------------
  // Handles everything queued and every due timer; no waiting.
  void ProcessPending();
  // Waits up to maxWaitMs for something to do, then ProcessPending.
  void RunOnce(int maxWaitMs);
  // Runs until done() or Quit.
  void RunUntil(const std::function<bool()>& done);
  void RunDueTimers();
  void SetDisplay(Display* display) { display_ = display; }

  // --- rendering ------------------------------------------------------------
  void InvalidateScreen() { dirty_ = true; }
  bool IsDirty() const { return dirty_; }
  // Repaints the whole screen when something changed.
  const Canvas& RenderScreen();
  const Canvas& Screen() const { return screen_; }

  // --- windows ---------------------------------------------------------------
  Window* FromHandle(WindowHandle handle) const;
  const std::vector<Window*>& TopLevels() const { return topLevels_; }
  // The topmost visible top-level window (popups included).
  Window* TopWindow() const;
  // The topmost visible top-level window that is not a popup.
  Window* ActiveWindow() const;
  // The window whose caption and menu bar the phone frame shows.
  Window* FrameOwner() const;
  void BringToTop(Window* window);
  Window* Focus() const { return focus_; }
  void SetFocus(Window* window);
  Window* Capture() const { return capture_; }
  void SetCapture(Window* window);
  void SetTimer(Window* window, int id, int intervalMs);
  void KillTimer(Window* window, int id);
  bool HasTimer(const Window* window, int id) const;

  // The wait cursor shows while anyone holds it: each Begin is ended by one
  // End, so two users (a screen's wait and a background sync) do not hide
  // each other's cursor. WaitCursorHold does the pairing.
  void BeginWaitCursor();
  void EndWaitCursor();
  bool IsWaitCursor() const { return waitCursorUsers_ > 0; }
  // While anyone holds the input block, pen, key and text input is dropped
  // as it arrives (a wait that must not be disturbed); a press under way
  // when it begins is ended without a click. InputBlockHold does the pairing.
  void BeginInputBlock();
  void EndInputBlock();
  bool IsInputBlocked() const { return inputBlockUsers_ > 0; }

  // --- idleness (thread-safe) ------------------------------------------------
  // The program's workers (background actions and jobs) count here.
  WorkTracker& Workers() { return workers_; }
  // Nothing is queued for the UI thread: no task, message or input.
  bool QueueEmpty() const;
  // No worker is busy and nothing is queued. Timers that repeat forever do
  // not count.
  bool IsIdle() const { return workers_.BusyCount() <= 0 && QueueEmpty(); }
  // Runs after every event the UI thread handles (tests and scripts wait on
  // it instead of polling). Set before the loop runs; called on the UI thread.
  void SetAfterEventHook(std::function<void()> hook) { afterEvent_ = std::move(hook); }
  void SetClipboardText(WStringView text) { clipboard_ = WString(text); }
  const WString& ClipboardText() const { return clipboard_; }
  // The delay after which a still press counts as tap-and-hold.
  static constexpr int kTapAndHoldMs = 500;
  static constexpr int kTapAndHoldSlop = 5;

  // Used by Window only.
  WindowHandle Register(Window* window);
  void Unregister(Window* window);
  void AddTopLevel(Window* window);
  void RemoveTopLevel(Window* window);
  void TopLevelsChanged();
  void WindowHidden(Window* window);

 private:
  struct Task { std::function<void()> run; };
  struct Posted { WindowHandle target; uint32_t message; uintptr_t wParam; intptr_t lParam; };
  using Event = std::variant<Task, Posted, InputEvent>;
  struct Timer { WindowHandle window; int id; int interval; int64_t due; };

  bool PopEvent(Event& event);
  void Dispatch(Event& event);
  void HandleInput(const InputEvent& input);
  void HandlePen(const InputEvent& input);
  void HandleKey(int key);
  void HandleText(const WString& text);
  void CheckTapAndHold();
  void UpdateActivation();
  void PaintTree(Window* window, Canvas& canvas);
  void MakeFonts();

  UiOptions options_;
  RealClock realClock_;
  Clock* clock_;
  FontEngine fonts_;
  Font normalFont_;
  Font underlinedFont_;
  PhoneFrame frame_;
  Canvas screen_;
  bool dirty_ = true;
  Display* display_ = nullptr;

  mutable std::mutex queueLock_;
  std::condition_variable queueSignal_;
  std::deque<Event> queue_;
  bool quit_ = false;
  std::map<std::string, uint32_t, std::less<>> registeredMessages_;

  std::unordered_map<WindowHandle, Window*> windows_;
  WindowHandle nextHandle_ = 1;
  std::vector<Window*> topLevels_;  // bottom to top
  Window* focus_ = nullptr;
  Window* capture_ = nullptr;
  Window* active_ = nullptr;
  std::vector<Timer> timers_;

  // The press under way.
  bool penDown_ = false;
  WindowHandle penTarget_ = 0;
  Point penStart_;
  int64_t penDownAt_ = 0;
  bool holdPossible_ = false;
  bool pressSwallowed_ = false;
  bool penOnFrame_ = false;

  int waitCursorUsers_ = 0;
  int inputBlockUsers_ = 0;
  WString clipboard_;
  WorkTracker workers_;
  std::function<void()> afterEvent_;
};

}  // namespace tarvo::ui

namespace tarvo::ui {

// Holds the wait cursor from construction to Release or destruction.
class WaitCursorHold {
 public:
  WaitCursorHold() = default;
  explicit WaitCursorHold(Ui& ui) : ui_(&ui) { ui.BeginWaitCursor(); }
  ~WaitCursorHold() { Release(); }
  WaitCursorHold(WaitCursorHold&& other) noexcept : ui_(other.ui_) { other.ui_ = nullptr; }
  WaitCursorHold& operator=(WaitCursorHold&& other) noexcept {
    if (this != &other) {
      Release();
      ui_ = other.ui_;
      other.ui_ = nullptr;
    }
    return *this;
  }
  bool Holds() const { return ui_ != nullptr; }
  void Release() {
    if (ui_ != nullptr) ui_->EndWaitCursor();
    ui_ = nullptr;
  }

 private:
  Ui* ui_ = nullptr;
};

// Holds the input block from construction to Release or destruction.
class InputBlockHold {
 public:
  explicit InputBlockHold(Ui& ui) : ui_(&ui) { ui.BeginInputBlock(); }
  ~InputBlockHold() { Release(); }
  InputBlockHold(const InputBlockHold&) = delete;
  InputBlockHold& operator=(const InputBlockHold&) = delete;
  void Release() {
    if (ui_ != nullptr) ui_->EndInputBlock();
    ui_ = nullptr;
  }

 private:
  Ui* ui_ = nullptr;
};

}  // namespace tarvo::ui
