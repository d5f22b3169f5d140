// The ways out of a dialog: the top bar's "ok", Escape, and Enter only where
// the dialog has a default button.
#include <gtest/gtest.h>

#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/MessageBox.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo::ui {
namespace {

using testing::ScreenDriver;

constexpr int kEditId = 100;

// A screen with one edit field and, when asked, the top bar's ok.
class FormDialog : public Dialog {
 public:
  FormDialog(Ui& ui, bool okButton) : Dialog(ui, u"表单"), okButton_(okButton) {}
  bool OnInitDialog() override {
    SetOkButton(okButton_);
    edit_.Create(this, Rect::FromSize(10, 10, 150, 30), kEditId);
    edit_.SetFocus();
    return true;
  }
  void OnOK() override {
    ++oks;
    Dialog::OnOK();
  }
  int oks = 0;

 private:
  bool okButton_;
  Edit edit_;
};

class WayBackTest : public ::testing::Test {
 protected:
  void Open(bool okButton) {
    driver_.Start([this, okButton] {
      FormDialog dialog(driver_.GetUi(), okButton);
      dialog_ = &dialog;
      code_ = dialog.DoModal();
      dialog_ = nullptr;
      ended_ = true;
    });
    ASSERT_TRUE(driver_.WaitForDialog(u"表单"));
  }
  Point OkCenter() {
    return driver_.Invoke([this] {
      Ui& ui = driver_.GetUi();
      Rect ok = ui.Frame().OkButtonRect(ui.FrameOwner());
      return ok.IsEmpty() ? Point{-1, -1} : Point{(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2};
    });
  }
  bool Ended() { return driver_.Invoke([this] { return ended_; }); }

  ScreenDriver driver_;
  FormDialog* dialog_ = nullptr;
  int code_ = 0;
  bool ended_ = false;
};

TEST_F(WayBackTest, TheTopBarOkEndsTheDialogAsOk) {
  Open(true);
  Point ok = OkCenter();
  ASSERT_GE(ok.x, 0);
  EXPECT_GT(ok.x, driver_.GetUi().ScreenWidth() / 2);  // at the right of the top bar
  driver_.Tap(ok);
  ASSERT_TRUE(driver_.WaitFor([this] { return ended_; }));
  EXPECT_EQ(code_, kIdOk);
}

TEST_F(WayBackTest, NoOkButtonUnlessTheDialogAsks) {
  Open(false);
  EXPECT_EQ(OkCenter().x, -1);
  driver_.Tap(Point{driver_.GetUi().ScreenWidth() - 10, 10});
  ASSERT_TRUE(driver_.Sync());
  EXPECT_FALSE(Ended());
  driver_.Key(keys::kEscape);
  ASSERT_TRUE(driver_.WaitFor([this] { return ended_; }));
}

TEST_F(WayBackTest, TheOkDoesNothingWhileAMessageBoxIsOverTheDialog) {
  Open(true);
  Point ok = OkCenter();
  driver_.GetUi().PostTask([this] { MessageBox(dialog_, u"稍等", u"Tarvo", kMbOk); });
  ASSERT_TRUE(driver_.WaitForMessageBox());
  driver_.Tap(ok);
  ASSERT_TRUE(driver_.Sync());
  EXPECT_FALSE(Ended());
  EXPECT_EQ(driver_.Invoke([this] { return dialog_->oks; }), 0);
  ASSERT_TRUE(driver_.AnswerMessageBox(u"确定"));
  driver_.Tap(ok);
  ASSERT_TRUE(driver_.WaitFor([this] { return ended_; }));
  EXPECT_EQ(code_, kIdOk);
}

TEST_F(WayBackTest, EscapeEndsWithCancel) {
  Open(true);
  driver_.Key(keys::kEscape);
  ASSERT_TRUE(driver_.WaitFor([this] { return ended_; }));
  EXPECT_EQ(code_, kIdCancel);
}

TEST_F(WayBackTest, EnterInAnEditFieldDoesNotEndADialogWithoutADefaultButton) {
  Open(true);
  driver_.Type(u"abc");
  driver_.Key(keys::kReturn);
  ASSERT_TRUE(driver_.Sync());
  EXPECT_FALSE(Ended());
  EXPECT_EQ(driver_.ControlText(kEditId).value_or(u"?"), u"abc");
  driver_.Key(keys::kEscape);
  ASSERT_TRUE(driver_.WaitFor([this] { return ended_; }));
}

TEST_F(WayBackTest, EnterAnswersAMessageBoxWithItsFirstButton) {
  Open(true);
  int answer = 0;
  driver_.GetUi().PostTask([this, &answer] { answer = MessageBox(dialog_, u"继续吗？", u"Tarvo", kMbYesNo); });
  ASSERT_TRUE(driver_.WaitForMessageBox());
  driver_.Key(keys::kReturn);
  ASSERT_TRUE(driver_.WaitFor([&] { return answer != 0; }));
  EXPECT_EQ(answer, kIdYes);
  EXPECT_FALSE(Ended());
}

}  // namespace
}  // namespace tarvo::ui
