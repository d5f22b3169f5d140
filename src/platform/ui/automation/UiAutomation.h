#pragma once
// Drives a Ui whose loop runs on another thread, as a person would: taps,
// drags, keys and text go in as input; queries run as tasks on the UI
// thread; every wait is a condition with a deadline, checked on the UI
// thread after each pass of its loop (the after-event hook), so nothing
// polls. Shared by the tests' ScreenDriver and `tarvo --script`.
//
// Make it before the Ui's loop runs (it installs the after-event hook) and
// keep it until the loop has ended. Every call comes from one driving thread.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/text/WString.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/automation/ShownThings.h"

namespace tarvo::ui {
class Ui;
struct InputEvent;
}

namespace tarvo::ui::automation {

struct MessageBoxInfo {
  WString caption;
  WString text;
  MessageIcon icon = MessageIcon::None;
  std::vector<WString> buttons;
};

// What an action or a wait came to: held, or why not.
struct Outcome {
  bool ok = true;
  std::string why;
  static Outcome Held() { return Outcome{}; }
  static Outcome Failed(std::string why) { return Outcome{false, std::move(why)}; }
  explicit operator bool() const { return ok; }
};

// A top-level window as the waits see it.
struct WindowInfo {
  WString caption;
  std::string className;
};

class UiAutomation {
 public:
  using Deadline = std::chrono::milliseconds;
  static constexpr Deadline kDeadline{10000};
  // How long input takes to arrive for a tap or a drag step: a drag waits
  // this long after the press so that screens take it for a drag, not a tap.
  static constexpr int kDragPauseMs = 60;

  explicit UiAutomation(Ui& ui);
  ~UiAutomation();
  UiAutomation(const UiAutomation&) = delete;
  UiAutomation& operator=(const UiAutomation&) = delete;

  Ui& GetUi() const { return ui_; }

  // --- the UI thread ----------------------------------------------------------
  // Runs fn on the UI thread; false when it did not run within the deadline
  // or the program ended first.
  bool Run(std::function<void()> fn, Deadline deadline = kDeadline);
  // Runs fn on the UI thread and returns its result; nullopt as Run's false.
  template <class F>
  auto Invoke(F fn, Deadline deadline = kDeadline) -> std::optional<decltype(fn())>;
  // Everything queued so far has been handled.
  bool Sync(Deadline deadline = kDeadline) { return Run([] {}, deadline); }
  // Waits until condition (run on the UI thread) holds; false at the deadline
  // or when the program ended. A deadline of 0 checks once.
  bool WaitFor(std::function<bool()> condition, Deadline deadline = kDeadline);
  // The program has ended: waits and queries return false at once from now on.
  void MarkEnded();
  bool Ended() const;
  // Waits until MarkEnded; false at the deadline.
  bool WaitEnded(Deadline deadline);

  // --- input ------------------------------------------------------------------
  void PenDown(Point p);
  void PenMove(Point p);
  void PenUp(Point p);
  void Tap(Point p);
  // pauseMs: time let pass after the press and between moves (0: none).
  void Drag(Point from, Point to, int steps = 5, int pauseMs = 0);
  void TapAndHold(Point p);
  void Type(WStringView text);
  void Key(int key);
  void Rotate();
  // Lets time pass for the Ui: moves a virtual clock and runs the due timers,
  // or waits for real.
  void Pause(int ms);

  // --- reading ----------------------------------------------------------------
  std::optional<Canvas> Screenshot();
  bool SaveScreen(const std::string& path);
  std::optional<nlohmann::ordered_json> Dump();
  std::vector<ShownThing> Shown();
  // The shown texts of the top window, for messages about what was there.
  std::vector<WString> ShownTexts();
  // The visible top-level windows, bottom to top.
  std::vector<WindowInfo> Windows();
  // The active dialog's caption, or empty.
  WString TopCaption();
  std::optional<MessageBoxInfo> ShownMessageBox();

  // --- by what a person sees -----------------------------------------------------
  // Taps the nth (1-based) thing on the top window showing text. A list row
  // out of view is scrolled into view; a grid cell out of view is brought in
  // by dragging the grid towards the end that shows it.
  Outcome TapText(WStringView text, int nth = 1);
  // Follows captions from the open popup menu, or from the active dialog's
  // menu bar when none is open.
  Outcome PickMenu(const std::vector<WString>& path);
  // Taps a button of the message box shown.
  Outcome Answer(WStringView button);

  // --- waits ----------------------------------------------------------------------
  // The active window has this caption or class name.
  Outcome WaitDialog(WStringView captionOrClass, Deadline deadline = kDeadline);
  // No visible window has this caption or class name.
  Outcome WaitGone(WStringView captionOrClass, Deadline deadline = kDeadline);
  // A message box is shown, with this text when not empty.
  Outcome WaitMessage(WStringView text, Deadline deadline = kDeadline);
  // Something on the top window shows text.
  Outcome WaitText(WStringView text, Deadline deadline = kDeadline);
  // No worker is busy and nothing is queued for the UI thread.
  Outcome WaitIdle(Deadline deadline = kDeadline);

 private:
  // Shared with the tasks and the hook, which may outlive a wait.
  struct State;
  void Post(const InputEvent& event);
  Outcome WaitForGrid(Deadline deadline);

  Ui& ui_;
  std::shared_ptr<State> state_;
};

// Whether a window answers to a caption or class name.
bool WindowMatches(const WindowInfo& window, WStringView captionOrClass);

template <class F>
auto UiAutomation::Invoke(F fn, Deadline deadline) -> std::optional<decltype(fn())> {
  using Result = decltype(fn());
  auto result = std::make_shared<std::optional<Result>>();
  if (!Run([result, fn]() mutable { result->emplace(fn()); }, deadline)) return std::nullopt;
  return std::move(*result);
}

}  // namespace tarvo::ui::automation
