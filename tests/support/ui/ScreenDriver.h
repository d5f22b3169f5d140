#pragma once
// Drives a headless Ui from a test as a person would, through the same
// engine as `tarvo --script` (platform/ui/automation). The Ui runs its loop
// on its own thread; the test taps, drags, types and presses keys (queued as
// input), answers message boxes and picks menu items by caption, and reads
// what is shown. Every wait is a condition with a deadline, woken by the UI
// thread's passes. Timers run on a virtual clock that only AdvanceTime moves.
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/Clock.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Ui.h"
#include "platform/ui/automation/UiAutomation.h"

namespace tarvo::testing {

using ui::automation::MessageBoxInfo;

class ScreenDriver {
 public:
  // Generous: a deadline, never a sleep, so a loaded machine does not fail a test.
  static constexpr std::chrono::milliseconds kDeadline{15000};

  explicit ScreenDriver(int width = 240, int height = 320);
  ~ScreenDriver();
  ScreenDriver(const ScreenDriver&) = delete;
  ScreenDriver& operator=(const ScreenDriver&) = delete;

  ui::Ui& GetUi() { return *ui_; }
  // The engine underneath, for what a script does (TapText, Dump, WaitIdle...).
  ui::automation::UiAutomation& Engine() { return *engine_; }
  ui::VirtualClock& Clock() { return clock_; }

  // Runs app on the UI thread (typically: make a dialog and DoModal it).
  void Start(std::function<void()> app);
  // Runs fn on the UI thread and returns its result; fails the test and
  // returns a default value when the UI thread does not get to it in time.
  template <class F>
  auto Invoke(F fn) -> decltype(fn());
  // Everything queued so far has been handled.
  bool Sync();
  // Checks condition on the UI thread after each of its passes until it
  // holds or the deadline passes.
  bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds deadline = kDeadline);

  void PenDown(ui::Point p);
  void PenMove(ui::Point p);
  void PenUp(ui::Point p);
  void Tap(ui::Point p);
  void Drag(ui::Point from, ui::Point to, int steps = 5);
  void TapAndHold(ui::Point p);
  void Type(WStringView text);
  void Key(int key);
  void AdvanceTime(int ms);

  // The screen as it would show now.
  ui::Canvas Screenshot();
  bool SaveScreen(const std::string& path);

  // The active dialog's caption, or empty.
  WString TopCaption();
  bool WaitForDialog(WStringView caption, std::chrono::milliseconds deadline = kDeadline);
  std::optional<MessageBoxInfo> ShownMessageBox();
  std::optional<MessageBoxInfo> WaitForMessageBox(std::chrono::milliseconds deadline = kDeadline);
  // Taps the button with this caption on the message box shown.
  bool AnswerMessageBox(WStringView buttonCaption);
  // Follows captions from the open popup menu, or from the active dialog's
  // menu bar when none is open.
  bool PickMenuItem(const std::vector<WString>& path);
  // Taps the top bar's "ok" button; false when the frame shows none.
  bool TapOkButton();
  // The soft keys of the window the frame shows, each a caption, and for a
  // sub-menu its caption and every item's as "menu/item" (separators left out).
  std::vector<WString> SoftKeys();
  // Text of the control with this id in the active dialog (searched deeply).
  std::optional<WString> ControlText(int id);
  // Rows of the list with this id in the active dialog, each its sub-items.
  std::optional<std::vector<std::vector<WString>>> ListRows(int id);
  // Screen centre of the control with this id in the active dialog.
  std::optional<ui::Point> ControlCenter(int id);

 private:
  ui::VirtualClock clock_;
  std::unique_ptr<ui::Ui> ui_;
  std::unique_ptr<ui::automation::UiAutomation> engine_;
  std::thread thread_;
};

// The window with this id below root, searched deeply.
ui::Window* FindDescendant(ui::Window* root, int id);

// Compares a canvas with the PNG under tests/data/ui/<name>. On a mismatch or
// a missing reference the actual image is written to ui-actual/<name> in the
// working folder and the result names the first differing pixel.
::testing::AssertionResult MatchesReferencePng(const ui::Canvas& actual, const std::string& name);

template <class F>
auto ScreenDriver::Invoke(F fn) -> decltype(fn()) {
  using Result = decltype(fn());
  if constexpr (std::is_void_v<Result>) {
    if (!engine_->Run(std::move(fn), kDeadline)) ADD_FAILURE() << "the UI thread did not run a task within the deadline";
  } else {
    auto result = engine_->Invoke(std::move(fn), kDeadline);
    if (!result) {
      ADD_FAILURE() << "the UI thread did not run a task within the deadline";
      return Result{};
    }
    return std::move(*result);
  }
}

}  // namespace tarvo::testing
