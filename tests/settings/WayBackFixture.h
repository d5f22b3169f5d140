#pragma once
// Runs one screen modally over the launcher and keeps the code it ended
// with, to check the phone's way back: the top bar's "ok", Escape, and Enter
// that does not end a screen without a default button.
#include <atomic>
#include <functional>

#include "settings/SettingsFixture.h"

namespace tarvo::testing {

class WayBackFixture : public SettingsFixture {
 protected:
  static constexpr int kRunning = -12345;

  // run makes the screen and returns its DoModal code (UI thread). As its
  // callers do, the full-screen launcher gives the top bar back first.
  void OpenScreen(std::function<int(CTarvoApp&)> run, WStringView caption) {
    driver_->GetUi().PostTask([this, run] {
      ui::EnterFullScreen(*launcher_, false);
      code_ = run(*app_);
    });
    ASSERT_TRUE(driver_->WaitForDialog(caption));
  }
  bool Ended() {
    return driver_->WaitFor([this] { return code_ != kRunning && driver_->GetUi().ActiveWindow() == launcher_; });
  }
  bool StillOpen(WStringView caption) {
    driver_->Sync();
    return code_ == kRunning && driver_->TopCaption() == WString(caption);
  }
  // A message box over the screen, as its commands raise them.
  void RaiseMessageBox() {
    driver_->GetUi().PostTask([this] {
      ui::MessageBox(driver_->GetUi().ActiveWindow(), u"一条消息", u"Tarvo", ui::kMbOk);
    });
    ASSERT_TRUE(driver_->WaitForMessageBox().has_value());
  }

  std::atomic<int> code_{kRunning};
};

}  // namespace tarvo::testing
