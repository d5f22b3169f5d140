// Register, log in, a wrong password and an upload, from the reader's menu
// against the stand-in account server; what each stores on the phone.
#include <sys/stat.h>

#include "LoginFixture.h"

namespace tarvo {
namespace {

class LoginFlowTest : public LoginFixture {};

TEST_F(LoginFlowTest, ANewNameRegistersRemembersItsPasswordAndOpensTheUploadForm) {
  Launch();
  OpenLogin();
  EXPECT_EQ(FieldText(CLogin::kNameId), u"");
  EXPECT_EQ(FieldText(CLogin::kPasswordId), u"");
  EXPECT_FALSE(Ticked(CLogin::kRememberId));
  EXPECT_FALSE(Ticked(CLogin::kAutoLoginId));
  EXPECT_EQ(driver_->SoftKeys(), (std::vector<WString>{u"登录", u"清除记录"}));
  Tick(CLogin::kRememberId, true);
  LogInAs(u"new_user", u"pass1");
  ASSERT_TRUE(driver_->WaitForDialog(u"上传笑话", std::chrono::milliseconds(8000)));
  // Stored before the reply: the line with the cipher, and the keys.
  const std::string line = AccountFileBytes();
  EXPECT_EQ(line.rfind("new_user,", 0), 0u);
  EXPECT_GT(line.size(), std::string("new_user,").size());
  EXPECT_EQ(line.find("\r\n"), std::string::npos);
  EXPECT_EQ(PasswordFromStored(u"new_user", FromUtf8(line.substr(9))), u"pass1");
  EXPECT_EQ(LoginKey(u"remeberpwd"), 1);
  EXPECT_EQ(LoginKey(u"index"), 1);
  EXPECT_EQ(LoginKey(u"autoLogin"), 0);
  struct stat info {};
  ASSERT_EQ(::stat(AccountFileHostPath().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(accounts_.Store().CheckPassword("new_user", "pass1"), servers::AccountStore::Check::kMatch);
  // The top bar's "ok" goes back to the login, which stays open with its fields.
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitForDialog(u"登录"));
  EXPECT_EQ(FieldText(CLogin::kNameId), u"new_user");
  EXPECT_EQ(StoredNames(), std::vector<WString>{u"new_user"});
}

TEST_F(LoginFlowTest, AKnownNameWithItsPasswordLogsInAndWithAnotherIsToldAndTheFieldCleared) {
  Launch();
  OpenLogin();
  LogInAs(u"demo", u"wrong1");
  auto box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"密码错误");
  EXPECT_EQ(box->caption, u"Tarvo");
  EXPECT_EQ(FieldText(CLogin::kPasswordId), u"");
  EXPECT_EQ(FieldText(CLogin::kNameId), u"demo");
  // Not remembered: the name alone, and only "remeberpwd" written.
  EXPECT_EQ(AccountFileBytes(), "demo,");
  EXPECT_EQ(LoginKey(u"remeberpwd"), 0);
  EXPECT_EQ(LoginKey(u"index"), -1);
  // The password typed again after the refusal is the one sent.
  TypeInto(CLogin::kPasswordId, u"demo123");
  driver_->Key(ui::keys::kReturn);  // Enter in the password field logs in
  ASSERT_TRUE(driver_->WaitForDialog(u"上传笑话", std::chrono::milliseconds(8000)));
  // One line for the name, the file rewritten from the list.
  EXPECT_EQ(AccountFileBytes(), "demo,\r\n");
}

TEST_F(LoginFlowTest, AnUploadReachesTheServerAndItsAnswerIsShownAsItCame) {
  Launch();
  OpenLogin();
  LogInAs(u"demo", u"demo123");
  ASSERT_TRUE(driver_->WaitForDialog(u"上传笑话", std::chrono::milliseconds(8000)));
  EXPECT_EQ(driver_->SoftKeys(), (std::vector<WString>{u"上传", u"粘贴"}));
  EXPECT_EQ(FieldText(CUploadJoke::kCategoryId), u"冷笑话");
  TypeInto(CUploadJoke::kTitleId, u"一个标题");
  TypeInto(CUploadJoke::kBodyId, u"正文，有}逗号,和USERNAME={x}");
  ASSERT_TRUE(driver_->PickMenuItem({u"上传"}));
  auto box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"上传成功");
  EXPECT_EQ(box->caption, u"Tarvo");
  auto jokes = accounts_.Store().Jokes();
  ASSERT_EQ(jokes.size(), 1u);
  EXPECT_EQ(jokes[0].userName, "demo");
  EXPECT_EQ(jokes[0].title, "一个标题");
  EXPECT_EQ(jokes[0].category, "冷笑话");
  EXPECT_EQ(jokes[0].body, "正文，有}逗号,和USERNAME={x}");
  // The form stays open with its fields.
  EXPECT_EQ(driver_->TopCaption(), u"上传笑话");
  EXPECT_EQ(FieldText(CUploadJoke::kTitleId), u"一个标题");
}

TEST_F(LoginFlowTest, TheCategoryPickedIsTheOneStored) {
  Launch();
  OpenLogin();
  LogInAs(u"demo", u"demo123");
  ASSERT_TRUE(driver_->WaitForDialog(u"上传笑话", std::chrono::milliseconds(8000)));
  auto centre = driver_->ControlCenter(CUploadJoke::kCategoryId);
  ASSERT_TRUE(centre);
  driver_->Tap(*centre);
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().TopWindow()->IsPopup(); }));
  const int rows = driver_->Invoke([this] {
    auto* combo = dynamic_cast<ui::ComboBox*>(
        testing::FindDescendant(driver_->GetUi().ActiveWindow(), CUploadJoke::kCategoryId));
    return combo ? combo->GetCount() : 0;
  });
  EXPECT_EQ(rows, 22);
  driver_->Key(ui::keys::kDown);
  driver_->Key(ui::keys::kDown);
  driver_->Key(ui::keys::kReturn);
  driver_->Sync();
  EXPECT_EQ(FieldText(CUploadJoke::kCategoryId), u"愚人");
  TypeInto(CUploadJoke::kTitleId, u"标题");
  TypeInto(CUploadJoke::kBodyId, u"内容");
  ASSERT_TRUE(driver_->PickMenuItem({u"上传"}));
  ASSERT_TRUE(Answer(u"确定"));
  auto jokes = accounts_.Store().Jokes();
  ASSERT_EQ(jokes.size(), 1u);
  EXPECT_EQ(jokes[0].category, "愚人");
}

}  // namespace
}  // namespace tarvo
