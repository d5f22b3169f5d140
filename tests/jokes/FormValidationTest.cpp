#include "jokes/FormValidation.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(LoginForm, UserNameRules) {
  EXPECT_EQ(ValidateLogin(u"", u"pw"), u"用户名不能为空！");
  EXPECT_EQ(ValidateLogin(u"abcdefghijklm", u"pw"), u"用户名长度不能超过12！");
  EXPECT_EQ(ValidateLogin(u"abcdefghijkl", u"pw"), std::nullopt);
  EXPECT_EQ(ValidateLogin(u"a b", u"pw"), u"用户名只能是数字、字母或下划线组合。");
  EXPECT_EQ(ValidateLogin(u"用户", u"pw"), u"用户名只能是数字、字母或下划线组合。");
  EXPECT_EQ(ValidateLogin(u"user_1", u"pw"), std::nullopt);
}

TEST(LoginForm, PasswordRules) {
  EXPECT_EQ(ValidateLogin(u"abc", u""), u"密码不能为空。");
  EXPECT_EQ(ValidateLogin(u"abc", u"1234567890123"), u"密码长度不能超过12。");
  EXPECT_EQ(ValidateLogin(u"abc", u"pass_1"), u"密码只能是数字、字母组合。");
  EXPECT_EQ(ValidateLogin(u"abc", u"Pass12"), std::nullopt);
}

TEST(LoginForm, FirstFailingRuleIsReported) {
  EXPECT_EQ(ValidateLogin(u"", u""), u"用户名不能为空！");
  EXPECT_EQ(ValidateLogin(u"abcdefghijklm!", u"_"), u"用户名长度不能超过12！");
}

TEST(UploadForm, TitleAndBodyRules) {
  EXPECT_EQ(ValidateUpload(u"", u"body"), u"标题不能为空！");
  EXPECT_EQ(ValidateUpload(WString(20, u'题'), u"body"), std::nullopt);
  EXPECT_EQ(ValidateUpload(WString(21, u'题'), u"body"), u"标题长度不能超过20！");
  EXPECT_EQ(ValidateUpload(u"t", u""), u"内容不能为空！");
  EXPECT_EQ(ValidateUpload(u"t", WString(1000, u'x')), std::nullopt);
  EXPECT_EQ(ValidateUpload(u"t", WString(1001, u'x')), u"内容长度不能为超过1000！");
  EXPECT_EQ(ValidateUpload(u"", u""), u"标题不能为空！");
}

}  // namespace
}  // namespace tarvo
