// How the two forms lie out and look, at the smallest and a large screen:
// the rows and label widths, and pictures of every state worth a look.
#include "LoginFixture.h"
#include "jokes/screens/FormRows.h"

namespace tarvo {
namespace {

struct Size {
  int width, height;
  std::string Name() const { return std::to_string(width) + "x" + std::to_string(height); }
};

class LoginScreensTest : public LoginFixture, public ::testing::WithParamInterface<Size> {
 protected:
  // The control's rectangle in its dialog's client coordinates.
  ui::Rect RectOf(int id) {
    return driver_->Invoke([this, id] {
      ui::Window* control = testing::FindDescendant(driver_->GetUi().ActiveWindow(), id);
      return control ? control->WindowRect() : ui::Rect{};
    });
  }
  int TextWidth(WStringView text) {
    return driver_->Invoke([this, &text] { return driver_->GetUi().NormalFont().TextWidth(text); });
  }
  int ClientWidth() {
    return driver_->Invoke([this] { return driver_->GetUi().ActiveWindow()->ClientRect().Width(); });
  }
  void Save(const std::string& name) { EXPECT_TRUE(driver_->SaveScreen(name + "-" + GetParam().Name() + ".png")); }
};

TEST_P(LoginScreensTest, TheLoginRowsFollowTheMetricsAndLabelsTheirText) {
  Launch("", GetParam().width, GetParam().height);
  OpenLogin();
  const ScreenMetrics metrics = driver_->Invoke([this] { return app_->Metrics; });
  const int m = metrics.TextHeight / 3;
  const int labelWidth = TextWidth(u"用户名:");
  EXPECT_LE(labelWidth, 4 * metrics.CharWidth);
  const ui::Rect nameLabel = RectOf(CLogin::kNameLabelId);
  EXPECT_EQ(nameLabel, (ui::Rect{m, m, m + labelWidth, m + metrics.ButtonHeight}));
  const ui::Rect name = RectOf(CLogin::kNameId);
  EXPECT_EQ(name, (ui::Rect{m + labelWidth + m, m, ClientWidth() - m, m + metrics.ButtonHeight}));
  const int row1 = m + metrics.ButtonHeight + m;
  EXPECT_EQ(RectOf(CLogin::kPasswordLabelId), (ui::Rect{m, row1, m + TextWidth(u"密码:"), row1 + metrics.ButtonHeight}));
  EXPECT_EQ(RectOf(CLogin::kPasswordId).left, name.left);
  const ui::Rect remember = RectOf(CLogin::kRememberId), autoLogin = RectOf(CLogin::kAutoLoginId);
  EXPECT_EQ(remember.top, row1 + metrics.ButtonHeight + m);
  EXPECT_EQ(autoLogin.top, remember.top);
  EXPECT_EQ(autoLogin.left, remember.right);  // side by side
  EXPECT_EQ(RectOf(CLogin::kNoteId).top, remember.bottom + m);
  Save("login-empty");
  if (GetParam().width == 240) {
    EXPECT_TRUE(testing::MatchesReferencePng(driver_->Screenshot(), "login-240x320.png"));
  }
}

TEST_P(LoginScreensTest, PicturesOfThePreselectedLoginAndTheClearQuestion) {
  dir_.Write("phone/fs/windows/systemacc",
             FormatAccounts({{u"anna", u""}, {u"demo", StoredPasswordFor(u"demo", u"demo123")}}));
  Launch("remeberpwd=1\r\nautoLogin=0\r\nindex=2\r\n", GetParam().width, GetParam().height);
  OpenLogin();
  EXPECT_EQ(FieldText(CLogin::kNameId), u"demo");
  Save("login-preselected");
  ASSERT_TRUE(driver_->PickMenuItem({u"清除记录"}));
  ASSERT_TRUE(driver_->WaitForMessageBox());
  Save("login-clear-question");
  Answer(u"否");
}

TEST_P(LoginScreensTest, TheUploadRowsAndTheBodyDownToTheBottomWithTheListOpen) {
  Launch("", GetParam().width, GetParam().height);
  OpenLogin();
  LogInAs(u"demo", u"demo123");
  ASSERT_TRUE(driver_->WaitForDialog(u"上传笑话", std::chrono::milliseconds(8000)));
  const ScreenMetrics metrics = driver_->Invoke([this] { return app_->Metrics; });
  const int m = metrics.TextHeight / 3;
  const int labelWidth = TextWidth(u"笑话标题:");
  EXPECT_GT(labelWidth, 4 * metrics.CharWidth);  // wider than four characters
  EXPECT_EQ(RectOf(CUploadJoke::kTitleLabelId), (ui::Rect{m, m, m + labelWidth, m + metrics.ButtonHeight}));
  EXPECT_EQ(RectOf(CUploadJoke::kTitleId).left, m + labelWidth + m);
  EXPECT_EQ(RectOf(CUploadJoke::kCategoryId).top, 2 * m + metrics.ButtonHeight);
  const ui::Rect body = RectOf(CUploadJoke::kBodyId);
  const int clientHeight = driver_->Invoke([this] { return driver_->GetUi().ActiveWindow()->ClientRect().Height(); });
  EXPECT_EQ(body.top, 3 * m + 2 * metrics.ButtonHeight);
  EXPECT_EQ(body.bottom, clientHeight - m);
  EXPECT_EQ(body.right, ClientWidth() - m);
  // A raised input panel lifts the body's bottom above it.
  driver_->Invoke([this] { driver_->GetUi().ShowInputPanel(true); });
  const int panel = driver_->Invoke([this] { return driver_->GetUi().Frame().InputPanelHeight(); });
  EXPECT_EQ(RectOf(CUploadJoke::kBodyId).bottom, clientHeight - panel - m);
  driver_->Invoke([this] { driver_->GetUi().ShowInputPanel(false); });
  if (GetParam().width == 240) {
    EXPECT_TRUE(testing::MatchesReferencePng(driver_->Screenshot(), "upload-240x320.png"));
  }
  auto centre = driver_->ControlCenter(CUploadJoke::kCategoryId);
  ASSERT_TRUE(centre);
  driver_->Tap(*centre);
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().TopWindow()->IsPopup(); }));
  Save("upload-list-open");
}

INSTANTIATE_TEST_SUITE_P(Sizes, LoginScreensTest, ::testing::Values(Size{240, 320}, Size{480, 800}),
                         [](const auto& info) { return info.param.Name(); });

}  // namespace
}  // namespace tarvo
