// The input block: what arrives while it is held is dropped, a press under
// way when it begins clicks nothing, and input works again once it ends.
#include <gtest/gtest.h>

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::ui {
namespace {

using testing::ScreenDriver;

constexpr int kButtonId = 100;
constexpr int kEditId = 101;

class BlockDialog : public Dialog {
 public:
  using Dialog::Dialog;
  bool OnInitDialog() override {
    button_.Create(this, u"按钮", Rect::FromSize(10, 10, 80, 30), kButtonId);
    edit_.Create(this, Rect::FromSize(10, 60, 150, 24), kEditId);
    return true;
  }
  bool OnCommand(int id, int code) override {
    if (id == kButtonId && code == kClicked) {
      ++clicks;
      return true;
    }
    return Dialog::OnCommand(id, code);
  }
  void OnCancel() override { ++cancels; }
  int clicks = 0;
  int cancels = 0;

 private:
  Button button_;
  Edit edit_;
};

class InputBlockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    driver_.Start([this] {
      BlockDialog dialog(driver_.GetUi(), u"阻断");
      dialog_ = &dialog;
      dialog.DoModal();
      dialog_ = nullptr;
    });
    ASSERT_TRUE(driver_.WaitForDialog(u"阻断"));
    button_ = *driver_.ControlCenter(kButtonId);
    edit_ = *driver_.ControlCenter(kEditId);
  }
  void Block(bool on) {
    driver_.Invoke([this, on] {
      if (on) {
        hold_ = std::make_unique<InputBlockHold>(driver_.GetUi());
      } else {
        hold_.reset();
      }
    });
  }
  int Clicks() { return driver_.Invoke([this] { return dialog_->clicks; }); }

  ScreenDriver driver_;
  BlockDialog* dialog_ = nullptr;
  std::unique_ptr<InputBlockHold> hold_;
  Point button_, edit_;
};

TEST_F(InputBlockTest, TapsKeysAndTextWhileHeldAreDroppedAndWorkAfterwards) {
  driver_.Tap(edit_);
  Block(true);
  EXPECT_TRUE(driver_.Invoke([this] { return driver_.GetUi().IsInputBlocked(); }));
  driver_.Type(u"丢掉");
  driver_.Tap(button_);
  driver_.Key(keys::kEscape);
  driver_.Sync();
  EXPECT_EQ(driver_.ControlText(kEditId), WString(u""));
  EXPECT_EQ(Clicks(), 0);
  EXPECT_EQ(driver_.Invoke([this] { return dialog_->cancels; }), 0);
  Block(false);
  driver_.Type(u"留下");
  driver_.Tap(button_);
  EXPECT_EQ(driver_.ControlText(kEditId), WString(u"留下"));
  EXPECT_EQ(Clicks(), 1);
}

TEST_F(InputBlockTest, APressUnderWayWhenTheBlockBeginsClicksNothing) {
  driver_.PenDown(button_);
  driver_.Sync();
  Block(true);
  driver_.PenUp(button_);
  driver_.Sync();
  Block(false);
  EXPECT_EQ(Clicks(), 0);
  EXPECT_FALSE(driver_.Invoke([this] {
    auto* button = dynamic_cast<Button*>(dialog_->FindChild(kButtonId));
    return button != nullptr && button->IsPressed();
  }));
  // The release was seen: the next press is a press of its own.
  driver_.Tap(button_);
  EXPECT_EQ(Clicks(), 1);
}

TEST_F(InputBlockTest, HoldsNestAndTheLastReleaseEndsTheBlock) {
  driver_.Invoke([this] {
    InputBlockHold outer(driver_.GetUi());
    {
      InputBlockHold inner(driver_.GetUi());
    }
    EXPECT_TRUE(driver_.GetUi().IsInputBlocked());
  });
  EXPECT_FALSE(driver_.Invoke([this] { return driver_.GetUi().IsInputBlocked(); }));
}

}  // namespace
}  // namespace tarvo::ui
