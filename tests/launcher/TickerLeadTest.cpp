#include "launcher/TickerLead.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

constexpr char16_t kExample[] =
    u"show=1;frequency=60;type=4;count=1;total1=25;start1=3;end1=12;step1=10;";

TEST(TickerValues, TextAfterTheKeyUpToTheSemicolon) {
  EXPECT_EQ(FindTickerValue(u"a=1;url1=http://x/?a=b;", u"url1"), u"http://x/?a=b");
  EXPECT_EQ(FindTickerValue(u"key:value;", u"key"), u"value");  // any one character skipped
  EXPECT_FALSE(FindTickerValue(u"show=1", u"show").has_value());
  EXPECT_FALSE(FindTickerValue(u"show=1;", u"hide").has_value());
  EXPECT_FALSE(FindTickerValue(u"show", u"show").has_value());
}

TEST(TickerValues, FirstOccurrenceAnywhereWins) {
  EXPECT_EQ(FindTickerInt(u"slideshow=7;show=1;", u"show"), 7);
}

TEST(TickerValues, NumbersReadLikePercentD) {
  EXPECT_EQ(FindTickerInt(u"n= 42abc;", u"n"), 42);
  EXPECT_EQ(FindTickerInt(u"n=-3;", u"n"), -3);
  EXPECT_EQ(FindTickerInt(u"n=;", u"n"), 0);
  EXPECT_EQ(FindTickerInt(u"n=x;", u"n"), 0);
  EXPECT_EQ(FindTickerInt(u"n=99999999999999;", u"n"), 2147483647);
}

TEST(TickerLead, ExampleGroupIsKept) {
  auto config = ParseTickerLead(kExample);
  ASSERT_TRUE(config.has_value());
  EXPECT_EQ(config->show, 1);
  EXPECT_EQ(config->frequency, 60);
  EXPECT_EQ(config->types, kTickerMessages);
  ASSERT_EQ(config->groups.size(), 1u);
  EXPECT_EQ(config->groups[0], (MessageGroup{25, 3, 12, 10}));
}

TEST(TickerLead, WithoutFrequencyItIsInvalid) {
  EXPECT_FALSE(ParseTickerLead(u"show=1;type=4;count=1;").has_value());
  EXPECT_FALSE(ParseTickerLead(u"frequency=5;").has_value());
  EXPECT_FALSE(ParseTickerLead(u"").has_value());
}

TEST(TickerLead, UnusableGroupsAreDropped) {
  auto config = ParseTickerLead(
      u"show=1;frequency=1;count=6;"
      u"total1=0;start1=1;end1=2;step1=1;"
      u"total2=5;start2=0;end2=2;step2=1;"
      u"total3=5;start3=3;end3=2;step3=1;"
      u"total4=5;start4=1;end4=2;step4=0;"
      u"total5=5;start5=-4;end5=2;step5=-1;"
      u"total6=5;start6=2;end6=2;step6=1;");
  ASSERT_TRUE(config.has_value());
  EXPECT_EQ(config->groupCount, 6);
  ASSERT_EQ(config->groups.size(), 1u);
  EXPECT_EQ(config->groups[0], (MessageGroup{5, 2, 2, 1}));
}

TEST(TickerLead, GroupsPastTheHundredthAreIgnored) {
  std::u16string text = u"show=1;frequency=1;count=2000000000;";
  for (int i = 1; i <= 101; ++i) {
    std::string n = std::to_string(i);
    text += FromUtf8("total" + n + "=1;start" + n + "=1;end" + n + "=1;step" + n + "=1;");
  }
  auto config = ParseTickerLead(text);
  ASSERT_TRUE(config.has_value());
  EXPECT_EQ(config->groups.size(), static_cast<size_t>(kMaxTickerGroups));
}

}  // namespace
}  // namespace tarvo
