// The loop: modal dialogs, timers, posted messages and tasks, registered ids.
#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::ui {
namespace {

using testing::ScreenDriver;

constexpr int kEndButton = 100;

// A dialog with one button that ends it with a given code.
class EndingDialog : public Dialog {
 public:
  EndingDialog(Ui& ui, WStringView caption, int code) : Dialog(ui, caption), code_(code) {}
  bool OnInitDialog() override {
    button_.Create(this, u"结束", Rect::FromSize(10, 10, 60, 30), kEndButton);
    return true;
  }
  bool OnCommand(int id, int code) override {
    if (id == kEndButton && code == kClicked) {
      EndDialog(code_);
      return true;
    }
    return Dialog::OnCommand(id, code);
  }

 private:
  int code_;
  Button button_;
};

// Records what reaches it.
class RecordingDialog : public Dialog {
 public:
  using Dialog::Dialog;
  void OnTimer(int id) override { timers.push_back(id); }
  intptr_t OnMessage(uint32_t message, uintptr_t w, intptr_t l) override {
    messages.push_back({message, static_cast<int>(w), static_cast<int>(l)});
    return 0;
  }
  void OnSettingChange(SettingChange change) override { changes.push_back(change); }
  void OnActivate(bool active) override { activations.push_back(active); }
  struct Message {
    uint32_t id;
    int w;
    int l;
  };
  std::vector<int> timers;
  std::vector<Message> messages;
  std::vector<SettingChange> changes;
  std::vector<bool> activations;
};

TEST(ModalDialogs, NestedDialogsReturnTheirOwnCodesInnermostFirst) {
  // State the UI thread writes is declared before the driver, which stops
  // that thread first when the test ends.
  std::atomic<int> outerCode{0}, innerCode{0};
  std::atomic<bool> innerReturnedFirst{false};
  ScreenDriver driver;
  driver.Start([&] {
    EndingDialog outer(driver.GetUi(), u"外层", 11);
    outer.CreateModeless();
    // The outer dialog opens an inner one from its own loop.
    driver.GetUi().PostTask([&] {
      EndingDialog inner(driver.GetUi(), u"内层", 22);
      innerCode = inner.DoModal();
      innerReturnedFirst = outerCode == 0;
    });
    outer.Destroy();
    EndingDialog modal(driver.GetUi(), u"外层", 11);
    outerCode = modal.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"内层"));
  auto center = driver.ControlCenter(kEndButton);
  ASSERT_TRUE(center);
  driver.Tap(*center);
  ASSERT_TRUE(driver.WaitForDialog(u"外层"));
  EXPECT_EQ(innerCode, 22);
  EXPECT_EQ(outerCode, 0);
  driver.Tap(*driver.ControlCenter(kEndButton));
  ASSERT_TRUE(driver.WaitFor([&] { return outerCode != 0; }));
  EXPECT_EQ(outerCode, 11);
  EXPECT_TRUE(innerReturnedFirst);
}

TEST(ModalDialogs, OnlyTheTopDialogReceivesTaps) {
  std::atomic<int> lowerCode{0};
  ScreenDriver driver;
  driver.Start([&] {
    EndingDialog lower(driver.GetUi(), u"下面", 5);
    driver.GetUi().PostTask([&] {
      Dialog upper(driver.GetUi(), u"上面");
      upper.DoModal();
    });
    lowerCode = lower.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"上面"));
  // The lower dialog's button lies under the upper dialog: a tap there must
  // not reach it.
  driver.Tap(Point{40, 25 + 23});
  EXPECT_EQ(driver.TopCaption(), u"上面");
  EXPECT_EQ(lowerCode, 0);
  driver.Key(keys::kEscape);
  ASSERT_TRUE(driver.WaitForDialog(u"下面"));
}

TEST(ModalDialogs, QuitEndsEveryLoopWithAbort) {
  auto driver = std::make_unique<ScreenDriver>();
  std::atomic<int> code{0};
  driver->Start([&] {
    Dialog dialog(driver->GetUi(), u"等待");
    code = dialog.DoModal();
  });
  ASSERT_TRUE(driver->WaitForDialog(u"等待"));
  driver.reset();
  EXPECT_EQ(code, kIdAbort);
}

TEST(ModalDialogs, ActivationFollowsTheTopDialog) {
  RecordingDialog* lowerPtr = nullptr;
  ScreenDriver driver;
  driver.Start([&] {
    RecordingDialog lower(driver.GetUi(), u"下面");
    lowerPtr = &lower;
    driver.GetUi().PostTask([&] {
      Dialog upper(driver.GetUi(), u"上面");
      upper.DoModal();
    });
    lower.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"上面"));
  driver.Key(keys::kEscape);
  ASSERT_TRUE(driver.WaitForDialog(u"下面"));
  auto seen = driver.Invoke([&] { return lowerPtr->activations; });
  EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
}

TEST(Timers, FireAfterTheirIntervalOnTheVirtualClockAndStopWhenKilled) {
  ScreenDriver driver;
  RecordingDialog* dialog = nullptr;
  driver.Start([&] {
    RecordingDialog d(driver.GetUi(), u"计时");
    dialog = &d;
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"计时"));
  driver.Invoke([&] {
    dialog->SetTimer(1, 1000);
    dialog->SetTimer(2, 300);
  });
  driver.AdvanceTime(299);
  EXPECT_TRUE(driver.Invoke([&] { return dialog->timers; }).empty());
  driver.AdvanceTime(1);
  EXPECT_EQ(driver.Invoke([&] { return dialog->timers; }), std::vector<int>{2});
  driver.Invoke([&] { dialog->KillTimer(2); });
  driver.AdvanceTime(700);
  EXPECT_EQ(driver.Invoke([&] { return dialog->timers; }), (std::vector<int>{2, 1}));
  // A jump far ahead fires a timer once, not once per missed period.
  driver.AdvanceTime(100000);
  EXPECT_EQ(driver.Invoke([&] { return dialog->timers; }), (std::vector<int>{2, 1, 1}));
}

TEST(Timers, SettingATimerAgainRestartsIt) {
  ScreenDriver driver;
  RecordingDialog* dialog = nullptr;
  driver.Start([&] {
    RecordingDialog d(driver.GetUi(), u"计时");
    dialog = &d;
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"计时"));
  driver.Invoke([&] { dialog->SetTimer(7, 500); });
  driver.AdvanceTime(400);
  driver.Invoke([&] { dialog->SetTimer(7, 500); });
  driver.AdvanceTime(400);
  EXPECT_TRUE(driver.Invoke([&] { return dialog->timers; }).empty());
  driver.AdvanceTime(100);
  EXPECT_EQ(driver.Invoke([&] { return dialog->timers; }), std::vector<int>{7});
}

TEST(PostedMessages, MessagesFromWorkerThreadsArriveInOrderOnTheUiThread) {
  ScreenDriver driver;
  RecordingDialog* dialog = nullptr;
  std::thread::id uiThread;
  driver.Start([&] {
    RecordingDialog d(driver.GetUi(), u"消息");
    dialog = &d;
    uiThread = std::this_thread::get_id();
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"消息"));
  WindowHandle handle = driver.Invoke([&] { return dialog->Handle(); });
  std::thread worker([&] {
    for (int i = 0; i < 50; ++i) driver.GetUi().PostMessage(handle, kWmUser + 101, static_cast<uintptr_t>(i), -i);
  });
  std::atomic<bool> ranOnUi{false};
  std::thread poster([&] {
    driver.GetUi().PostTask([&] { ranOnUi = std::this_thread::get_id() == uiThread; });
  });
  worker.join();
  poster.join();
  ASSERT_TRUE(driver.WaitFor([&] { return dialog->messages.size() == 50; }));
  auto messages = driver.Invoke([&] { return dialog->messages; });
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(messages[static_cast<size_t>(i)].id, kWmUser + 101);
    EXPECT_EQ(messages[static_cast<size_t>(i)].w, i);
    EXPECT_EQ(messages[static_cast<size_t>(i)].l, -i);
  }
  EXPECT_TRUE(ranOnUi);
}

TEST(PostedMessages, AMessageForAWindowThatIsGoneIsDropped) {
  std::atomic<int> ended{0};
  WindowHandle handle = 0;
  ScreenDriver driver;
  driver.Start([&] {
    {
      RecordingDialog gone(driver.GetUi(), u"旧");
      gone.CreateModeless();
      handle = gone.Handle();
    }
    RecordingDialog d(driver.GetUi(), u"新");
    d.DoModal();
    ended = 1;
  });
  ASSERT_TRUE(driver.WaitForDialog(u"新"));
  driver.GetUi().PostMessage(handle, kWmUser, 1, 2);
  EXPECT_TRUE(driver.Sync());
  EXPECT_EQ(driver.TopCaption(), u"新");
}

TEST(RegisteredMessages, TheSameNameGivesTheSameIdAcrossThreads) {
  Ui ui;
  uint32_t first = ui.RegisterWindowMessage("TarvoConnectionStatus");
  uint32_t other = ui.RegisterWindowMessage("SomethingElse");
  uint32_t fromThread = 0;
  std::thread t([&] { fromThread = ui.RegisterWindowMessage("TarvoConnectionStatus"); });
  t.join();
  EXPECT_GE(first, kFirstRegisteredMessage);
  EXPECT_NE(first, other);
  EXPECT_EQ(first, fromThread);
}

TEST(SettingChanges, RotationAndTheInputPanelReachTopLevelWindows) {
  ScreenDriver driver;
  RecordingDialog* dialog = nullptr;
  driver.Start([&] {
    RecordingDialog d(driver.GetUi(), u"设置");
    dialog = &d;
    d.DoModal();
  });
  ASSERT_TRUE(driver.WaitForDialog(u"设置"));
  driver.Invoke([&] { driver.GetUi().Rotate(); });
  EXPECT_EQ(driver.Invoke([&] { return driver.GetUi().ScreenWidth(); }), 320);
  EXPECT_EQ(driver.Screenshot().Height(), 240);
  driver.Invoke([&] { driver.GetUi().ShowInputPanel(true); });
  auto changes = driver.Invoke([&] { return dialog->changes; });
  EXPECT_EQ(changes, (std::vector<SettingChange>{SettingChange::Rotation, SettingChange::InputPanel}));
}

}  // namespace
}  // namespace tarvo::ui
