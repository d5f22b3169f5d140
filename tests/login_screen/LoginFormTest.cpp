// The login dialog's own rules: the checks and their messages, the account
// preselected and picked, "清除记录" either way, the automatic login and the
// ways back.
#include "LoginFixture.h"

namespace tarvo {
namespace {

class LoginFormTest : public LoginFixture {
 protected:
  // Saved accounts as a previous run left them.
  void SaveAccounts(const std::vector<Account>& accounts) {
    ASSERT_TRUE(Device::Open(dir_.File("phone")));
    auto device = Device::Open(dir_.File("phone"));
    device->Files().WriteAtomically(u"\\windows\\systemacc", FormatAccounts(accounts));
  }
};

TEST_F(LoginFormTest, EachRuleIsCheckedInOrderAndItsMessageShownWithNothingStored) {
  Launch();
  OpenLogin();
  struct Case {
    const char16_t* name;
    const char16_t* password;
    const char16_t* message;
  };
  const Case cases[] = {
      {u"", u"abc", u"用户名不能为空！"},
      {u"abcdefghijklm", u"abc", u"用户名长度不能超过12！"},
      {u"名字", u"abc", u"用户名只能是数字、字母或下划线组合。"},
      {u"a b", u"", u"用户名只能是数字、字母或下划线组合。"},
      {u"user_1", u"", u"密码不能为空。"},
      {u"user_1", u"1234567890123", u"密码长度不能超过12。"},
      {u"user_1", u"pass_1", u"密码只能是数字、字母组合。"},
  };
  for (const Case& c : cases) {
    LogInAs(c.name, c.password);
    auto box = Answer(u"确定");
    ASSERT_TRUE(box) << ToUtf8(c.name);
    EXPECT_EQ(box->text, c.message) << ToUtf8(c.name);
    EXPECT_EQ(box->caption, u"Tarvo");
    EXPECT_EQ(driver_->TopCaption(), u"登录");
  }
  EXPECT_EQ(AccountFileBytes(), "");  // made empty on opening, nothing added
  EXPECT_EQ(LoginKey(u"remeberpwd"), -1);
  // Twelve characters each, "_" in the name: accepted.
  LogInAs(u"abcdefghij_1", u"abcdef123456");
  ASSERT_TRUE(driver_->WaitForDialog(u"上传笑话", std::chrono::milliseconds(8000)));
}

TEST_F(LoginFormTest, TheAccountAtIndexIsPreselectedAndPickingANameFillsItsPassword) {
  SaveAccounts({{u"anna", StoredPasswordFor(u"anna", u"pw1")}, {u"bert", u""},
                {u"carl", StoredPasswordFor(u"carl", u"pw3")}});
  Launch("remeberpwd=1\r\nautoLogin=0\r\nindex=3\r\n");
  OpenLogin();
  EXPECT_EQ(StoredNames(), (std::vector<WString>{u"anna", u"bert", u"carl"}));
  EXPECT_EQ(FieldText(CLogin::kNameId), u"carl");
  EXPECT_EQ(FieldText(CLogin::kPasswordId), u"pw3");
  EXPECT_TRUE(Ticked(CLogin::kRememberId));
  EXPECT_FALSE(Ticked(CLogin::kAutoLoginId));
  // The dump shows the password masked.
  auto json = driver_->Engine().Dump();
  ASSERT_TRUE(json);
  const std::string dump = json->dump();
  EXPECT_NE(dump.find("\"***\""), std::string::npos);
  EXPECT_EQ(dump.find("pw3"), std::string::npos);
  auto pick = [this](int row) {
    driver_->Invoke([this, row] {
      auto* combo = dynamic_cast<ui::ComboBox*>(testing::FindDescendant(driver_->GetUi().ActiveWindow(), CLogin::kNameId));
      combo->ShowDropDown(true);
      combo->Picked(row);
    });
    driver_->Sync();
  };
  pick(1);
  EXPECT_EQ(FieldText(CLogin::kNameId), u"bert");
  EXPECT_EQ(FieldText(CLogin::kPasswordId), u"");
  pick(0);
  EXPECT_EQ(FieldText(CLogin::kNameId), u"anna");
  EXPECT_EQ(FieldText(CLogin::kPasswordId), u"pw1");
}

TEST_F(LoginFormTest, AnIndexOutOfRangePreselectsNothing) {
  SaveAccounts({{u"anna", StoredPasswordFor(u"anna", u"pw1")}});
  Launch("remeberpwd=1\r\nindex=2\r\n");
  OpenLogin();
  EXPECT_EQ(FieldText(CLogin::kNameId), u"");
  EXPECT_EQ(FieldText(CLogin::kPasswordId), u"");
  EXPECT_EQ(StoredNames(), std::vector<WString>{u"anna"});
}

TEST_F(LoginFormTest, ClearRecordsKeepsEverythingUnlessTheAnswerIsYes) {
  SaveAccounts({{u"anna", StoredPasswordFor(u"anna", u"pw1")}, {u"bert", u""}});
  Launch("remeberpwd=1\r\nautoLogin=0\r\nindex=1\r\n");
  OpenLogin();
  const std::string before = AccountFileBytes();
  ASSERT_TRUE(driver_->PickMenuItem({u"清除记录"}));
  auto box = Answer(u"否");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"确定要清空所有登录信息吗？");
  EXPECT_EQ(box->caption, u"提醒");
  EXPECT_EQ(box->buttons, (std::vector<WString>{u"是", u"否"}));
  // A box closed without an answer (Escape) keeps everything too.
  ASSERT_TRUE(driver_->PickMenuItem({u"清除记录"}));
  ASSERT_TRUE(driver_->WaitForMessageBox());
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitFor(
      [this] { return dynamic_cast<ui::MessageBoxDialog*>(driver_->GetUi().TopWindow()) == nullptr; }));
  EXPECT_EQ(driver_->TopCaption(), u"登录");
  EXPECT_EQ(AccountFileBytes(), before);
  EXPECT_EQ(StoredNames().size(), 2u);
  EXPECT_EQ(FieldText(CLogin::kNameId), u"anna");
  EXPECT_EQ(LoginKey(u"index"), 1);

  ASSERT_TRUE(driver_->PickMenuItem({u"清除记录"}));
  ASSERT_TRUE(Answer(u"是"));
  EXPECT_FALSE(AccountFileExists());
  EXPECT_TRUE(StoredNames().empty());
  EXPECT_EQ(FieldText(CLogin::kNameId), u"");
  EXPECT_EQ(FieldText(CLogin::kPasswordId), u"");
  EXPECT_EQ(LoginKey(u"remeberpwd"), 0);
  EXPECT_EQ(LoginKey(u"autoLogin"), 0);
  EXPECT_EQ(LoginKey(u"index"), 0);
  EXPECT_TRUE(driver_->Invoke([this] { return app_->Accounts.empty(); }));
}

TEST_F(LoginFormTest, AutomaticLoginOpensTheUploadFormAndStoresNothing) {
  SaveAccounts({{u"bert", u""}, {u"demo", StoredPasswordFor(u"demo", u"demo123")}});
  Launch("remeberpwd=1\r\nautoLogin=1\r\nindex=2\r\n");
  const std::string before = AccountFileBytes();
  const std::string configBefore = device_->Files().ReadAll(u"\\Program Files\\Tarvo\\temp\\TarvoConfig.ini").value_or("");
  OpenLogin(false);  // the login goes on by itself at once
  ASSERT_TRUE(driver_->WaitForDialog(u"上传笑话", std::chrono::milliseconds(8000)));
  EXPECT_EQ(driver_->Invoke([this] {
    auto* upload = dynamic_cast<CUploadJoke*>(driver_->GetUi().ActiveWindow());
    return upload ? upload->UserName() : WString();
  }), u"demo");
  EXPECT_EQ(AccountFileBytes(), before);
  EXPECT_EQ(device_->Files().ReadAll(u"\\Program Files\\Tarvo\\temp\\TarvoConfig.ini").value_or(""), configBefore);
}

TEST_F(LoginFormTest, NoAutomaticLoginWithoutARememberedPasswordAndNoMessageEither) {
  // A login without "记住密码" left "autoLogin" at 1.
  SaveAccounts({{u"demo", u""}});
  Launch("remeberpwd=0\r\nautoLogin=1\r\nindex=1\r\n");
  OpenLogin();
  ASSERT_TRUE(driver_->Engine().WaitIdle(std::chrono::milliseconds(3000)));
  EXPECT_FALSE(driver_->ShownMessageBox());
  EXPECT_EQ(driver_->TopCaption(), u"登录");
  EXPECT_EQ(FieldText(CLogin::kNameId), u"demo");
}

TEST_F(LoginFormTest, EscapeAndTheTopBarOkGoBackToTheReader) {
  Launch();
  OpenLogin();
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitForDialog(u"笑口常开"));
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"登录"}));
  ASSERT_TRUE(driver_->WaitForDialog(u"登录"));
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitForDialog(u"笑口常开"));
}

TEST_F(LoginFormTest, EnterOutsideThePasswordFieldDoesNotLogIn) {
  Launch();
  OpenLogin();
  TypeInto(CLogin::kNameId, u"demo");
  driver_->Key(ui::keys::kReturn);
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox());  // no "密码不能为空。"
  EXPECT_EQ(driver_->TopCaption(), u"登录");
}

}  // namespace
}  // namespace tarvo
