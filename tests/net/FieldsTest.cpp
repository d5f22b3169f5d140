#include "net/Fields.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(BuildMessages, FieldsInProtocolOrder) {
  EXPECT_EQ(BuildLogin(u"abc", u"xyz="), u"NAME={abc},PASSWORD={xyz=}");
  EXPECT_EQ(BuildUpload(u"t", u"冷笑话", u"b,}", u"u"),
            u"TITLE={t},CATEGORY={冷笑话},BODY={b,}},USERNAME={u}");
}

TEST(BuildMessages, HelloLeavesShortIdentityValuesEmpty) {
  PhoneIdentity identity{u"12345678901234", u"123456789012345"};
  EXPECT_EQ(BuildHello(u"abc", identity, u"V9"),
            u"NAME={abc},SIMID={},CELLID={123456789012345},VERSIONNO={1.15},PHONEMODEL={V9}");
}

TEST(GetField, FindsTheValueOfAKey) {
  WString reply = u"RESULT={0},CONTENT={},SESSIONID={QUJD}";
  EXPECT_EQ(GetField(reply, u"RESULT"), u"0");
  EXPECT_EQ(GetField(reply, u"CONTENT"), u"");
  EXPECT_EQ(GetField(reply, u"SESSIONID"), u"QUJD");
  EXPECT_EQ(GetIntField(reply, u"RESULT"), 0);
}

TEST(GetField, KeyInsideAnotherValueIsFoundFirst) {
  WString reply = u"CONTENT={RESULT={7}},RESULT={0}";
  EXPECT_EQ(GetField(reply, u"RESULT"), u"7");
}

TEST(GetField, AbsentKeyOrEmptyArgumentsGiveNothing) {
  EXPECT_FALSE(GetField(u"RESULT={0}", u"CONTENT").has_value());
  EXPECT_FALSE(GetField(u"", u"RESULT").has_value());
  EXPECT_FALSE(GetField(u"RESULT={0}", u"").has_value());
}

TEST(GetField, MissingBracesGiveEmptyValue) {
  EXPECT_EQ(GetField(u"RESULT=0", u"RESULT"), u"");
  EXPECT_EQ(GetField(u"RESULT={0", u"RESULT"), u"");
}

TEST(GetIntField, OnlyDecimalNumbersCount) {
  EXPECT_EQ(GetIntField(u"R={-12}", u"R"), -12);
  EXPECT_EQ(GetIntField(u"R={2147483647}", u"R"), 2147483647);
  EXPECT_EQ(GetIntField(u"R={-2147483648}", u"R"), -2147483647 - 1);
  EXPECT_FALSE(GetIntField(u"R={2147483648}", u"R").has_value());
  EXPECT_FALSE(GetIntField(u"R={}", u"R").has_value());
  EXPECT_FALSE(GetIntField(u"R={1a}", u"R").has_value());
  EXPECT_FALSE(GetIntField(u"R={-}", u"R").has_value());
}

}  // namespace
}  // namespace tarvo
