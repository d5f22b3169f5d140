#include "jokes/AccountFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

using testing::TempDir;
using Accounts = std::vector<Account>;

TEST(AccountLines, SplitAtLineEndsAndTheFirstComma) {
  EXPECT_EQ(ParseAccounts("abc,QUJD\r\n\r\nxyz,\r\nlone\r\nk,a,b"),
            (Accounts{{u"abc", u"QUJD"}, {u"xyz", u""}, {u"lone", u""}, {u"k", u"a,b"}}));
  EXPECT_TRUE(ParseAccounts("").empty());
}

TEST(AccountLines, RewrittenFileEndsEveryLine) {
  EXPECT_EQ(FormatAccounts({{u"a", u"x"}, {u"b", u""}}), "a,x\r\nb,\r\n");
}

TEST(AccountPasswords, StoredUnderTheRepeatedName) {
  WString stored = StoredPasswordFor(u"abc", u"pass1");
  EXPECT_FALSE(stored.empty());
  EXPECT_NE(stored, u"pass1");
  EXPECT_EQ(PasswordFromStored(u"abc", stored), u"pass1");
  EXPECT_NE(PasswordFromStored(u"abd", stored), u"pass1");
  EXPECT_EQ(PasswordFromStored(u"abc", u""), u"");
}

class AccountFileTest : public ::testing::Test {
 protected:
  AccountFileTest() : file_(files_, FromUtf8(dir_.File("systemacc"))) {}
  TempDir dir_;
  HostFileAccess files_;
  AccountFile file_;
};

TEST_F(AccountFileTest, MissingFileIsCreatedEmpty) {
  EXPECT_TRUE(file_.Load().empty());
  EXPECT_EQ(dir_.Read("systemacc"), "");
}

TEST_F(AccountFileTest, NewNamesAreAppendedAfterALineEnd) {
  Accounts accounts = file_.Load();
  ASSERT_TRUE(file_.Store(accounts, {u"abc", u""}));
  EXPECT_EQ(dir_.Read("systemacc"), "abc,");
  ASSERT_TRUE(file_.Store(accounts, {u"def", u"XYZ="}));
  EXPECT_EQ(dir_.Read("systemacc"), "abc,\r\ndef,XYZ=");
  EXPECT_EQ(file_.Load(), accounts);
}

TEST_F(AccountFileTest, SameNameTwiceKeepsOneLine) {
  Accounts accounts = file_.Load();
  file_.Store(accounts, {u"abc", u"one"});
  file_.Store(accounts, {u"xyz", u""});
  ASSERT_TRUE(file_.Store(accounts, {u"abc", u"two"}));
  EXPECT_EQ(dir_.Read("systemacc"), "abc,two\r\nxyz,\r\n");
  EXPECT_EQ(accounts.size(), 2u);
}

// Only the owner may read the saved passwords, however the file came to be.
unsigned ModeOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return 0;
  return info.st_mode & 0777;
}

TEST_F(AccountFileTest, OnlyTheOwnerMayReadTheFileWhetherCreatedAppendedOrRewritten) {
  const std::string path = dir_.File("systemacc");
  Accounts accounts = file_.Load();
  EXPECT_EQ(ModeOf(path), 0600u);  // created empty
  file_.Store(accounts, {u"abc", u"one"});
  EXPECT_EQ(ModeOf(path), 0600u);  // appended
  file_.Store(accounts, {u"abc", u"two"});
  EXPECT_EQ(ModeOf(path), 0600u);  // rewritten
  file_.Clear(accounts);
  file_.Store(accounts, {u"new", u""});
  EXPECT_EQ(ModeOf(path), 0600u);  // written afresh after a clear
}

TEST_F(AccountFileTest, AFileOthersCouldReadIsMadePrivateBeforeALineIsAdded) {
  const std::string path = dir_.File("systemacc");
  { std::ofstream(path, std::ios::binary) << "old,"; }
  ::chmod(path.c_str(), 0666);
  Accounts accounts = file_.Load();
  ASSERT_TRUE(file_.Store(accounts, {u"abc", u"x"}));
  EXPECT_EQ(dir_.Read("systemacc"), "old,\r\nabc,x");
  EXPECT_EQ(ModeOf(path), 0600u);
}

TEST_F(AccountFileTest, ClearDeletesTheFile) {
  Accounts accounts = file_.Load();
  file_.Store(accounts, {u"abc", u""});
  file_.Clear(accounts);
  EXPECT_TRUE(accounts.empty());
  EXPECT_FALSE(files_.FileExists(FromUtf8(dir_.File("systemacc"))));
}

}  // namespace
}  // namespace tarvo
