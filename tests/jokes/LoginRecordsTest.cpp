// The saved accounts and "Login" keys as a login stores them, the account
// preselected and the one logged in by itself.
#include "jokes/LoginRecords.h"

#include <gtest/gtest.h>

#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

class LoginRecordsTest : public ::testing::Test {
 protected:
  LoginRecords Records() {
    return LoginRecords(accounts_, files_, FromUtf8(dir_.File("systemacc")), IniFile(files_),
                        FromUtf8(dir_.File("config.ini")), "GBK");
  }
  int Key(const char16_t* key) {
    return IniFile(files_).ReadInt(u"Login", key, -1, FromUtf8(dir_.File("config.ini")));
  }
  void WriteConfig(const std::string& text) { dir_.Write("config.ini", text); }

  testing::TempDir dir_;
  HostFileAccess files_;
  std::vector<Account> accounts_;
};

TEST_F(LoginRecordsTest, RememberingStoresTheCipherAndThePositionOfTheNameNewOrTyped) {
  LoginRecords records = Records();
  records.EnsureLoaded();
  EXPECT_EQ(records.StoreLogin(u"anna", u"pw1", true, false), 0);
  EXPECT_EQ(records.StoreLogin(u"bert", u"pw2", true, true), 1);
  EXPECT_EQ(Key(u"index"), 2);  // the new name's place once added
  EXPECT_EQ(Key(u"autoLogin"), 1);
  EXPECT_EQ(records.StoreLogin(u"carl", u"pw3", true, false), 2);
  // A typed name already in the list keeps its own place, not the count.
  EXPECT_EQ(records.StoreLogin(u"anna", u"new", true, false), 0);
  EXPECT_EQ(Key(u"index"), 1);
  EXPECT_EQ(Key(u"remeberpwd"), 1);
  EXPECT_EQ(Key(u"autoLogin"), 0);
  EXPECT_EQ(accounts_.size(), 3u);
  EXPECT_EQ(records.PasswordOf(u"anna"), u"new");
  EXPECT_EQ(records.PasswordOf(u"bert"), u"pw2");
  EXPECT_EQ(records.PasswordOf(u"nobody"), u"");
  const std::string file = dir_.Read("systemacc");
  EXPECT_EQ(file.rfind("anna,", 0), 0u);
  EXPECT_EQ(file.find("new"), std::string::npos);  // never the plain password
}

TEST_F(LoginRecordsTest, NotRememberingStoresTheNameAloneAndTouchesOnlyTheRememberKey) {
  WriteConfig("[Login]\r\nremeberpwd=1\r\nautoLogin=1\r\nindex=1\r\n");
  LoginRecords records = Records();
  records.EnsureLoaded();
  records.StoreLogin(u"anna", u"secret", false, true);
  EXPECT_EQ(dir_.Read("systemacc"), "anna,");
  EXPECT_EQ(Key(u"remeberpwd"), 0);
  EXPECT_EQ(Key(u"autoLogin"), 1);
  EXPECT_EQ(Key(u"index"), 1);
  // The name is preselected without a password, and nothing logs in by itself.
  EXPECT_EQ(records.Preselected(), (Credentials{u"anna", u""}));
  EXPECT_FALSE(records.AutoLoginAccount());
}

TEST_F(LoginRecordsTest, AutomaticLoginNeedsBothKeysAndAStoredPassword) {
  LoginRecords records = Records();
  records.EnsureLoaded();
  records.StoreLogin(u"anna", u"pw1", true, true);
  records.StoreLogin(u"bert", u"", false, false);
  WriteConfig("[Login]\r\nremeberpwd=1\r\nautoLogin=1\r\nindex=1\r\n");
  EXPECT_EQ(records.AutoLoginAccount(), (Credentials{u"anna", u"pw1"}));
  WriteConfig("[Login]\r\nremeberpwd=0\r\nautoLogin=1\r\nindex=1\r\n");
  EXPECT_FALSE(records.AutoLoginAccount());
  WriteConfig("[Login]\r\nremeberpwd=1\r\nautoLogin=0\r\nindex=1\r\n");
  EXPECT_FALSE(records.AutoLoginAccount());
  WriteConfig("[Login]\r\nremeberpwd=1\r\nautoLogin=1\r\nindex=2\r\n");  // bert has none
  EXPECT_FALSE(records.AutoLoginAccount());
  WriteConfig("[Login]\r\nremeberpwd=1\r\nautoLogin=1\r\nindex=3\r\n");
  EXPECT_FALSE(records.AutoLoginAccount());
}

TEST_F(LoginRecordsTest, PreselectionOnlyForAnIndexInRange) {
  dir_.Write("systemacc", "anna,\r\nbert,");
  LoginRecords records = Records();
  records.EnsureLoaded();
  for (const char* index : {"0", "3", "-1", "x"}) {
    WriteConfig(std::string("[Login]\r\nindex=") + index + "\r\n");
    EXPECT_FALSE(records.Preselected()) << index;
  }
  WriteConfig("[Login]\r\nindex=2\r\n");
  EXPECT_EQ(records.Preselected(), (Credentials{u"bert", u""}));
}

TEST_F(LoginRecordsTest, TheListIsLoadedOnlyWhenEmpty) {
  dir_.Write("systemacc", "anna,\r\nbert,");
  LoginRecords records = Records();
  records.EnsureLoaded();
  ASSERT_EQ(accounts_.size(), 2u);
  dir_.Write("systemacc", "other,");
  records.EnsureLoaded();  // the run's list stands
  EXPECT_EQ(accounts_[0].name, u"anna");
}

TEST_F(LoginRecordsTest, ClearForgetsEveryAccountDeletesTheFileAndZeroesTheKeys) {
  LoginRecords records = Records();
  records.EnsureLoaded();
  records.StoreLogin(u"anna", u"pw1", true, true);
  records.Clear();
  EXPECT_TRUE(accounts_.empty());
  EXPECT_FALSE(files_.FileExists(FromUtf8(dir_.File("systemacc"))));
  EXPECT_EQ(Key(u"remeberpwd"), 0);
  EXPECT_EQ(Key(u"autoLogin"), 0);
  EXPECT_EQ(Key(u"index"), 0);
  records.EnsureLoaded();  // a missing file is made empty again
  EXPECT_EQ(dir_.Read("systemacc"), "");
}

}  // namespace
}  // namespace tarvo
