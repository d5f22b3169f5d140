#include <gtest/gtest.h>

#include "platform/text/Format.h"

namespace tarvo {
namespace {

TEST(Format, TheProductsPatterns) {
  EXPECT_EQ(Format(u"第 %d 页", 3), u"第 3 页");
  EXPECT_EQ(Format(u"%s%d.txt", u"TarvoMsg", 12), u"TarvoMsg12.txt");
  EXPECT_EQ(Format(u"%04d-%02d-%02d  %02d:%02d:%02d", 2009, 3, 7, 8, 5, 0),
            u"2009-03-07  08:05:00");
  EXPECT_EQ(Format(u"xh%05d.txt", 42), u"xh00042.txt");
}

TEST(Format, WidthsSignsAndBases) {
  EXPECT_EQ(Format(u"[%05d]", -12), u"[-0012]");
  EXPECT_EQ(Format(u"[%-4d]", 7), u"[7   ]");
  EXPECT_EQ(Format(u"[%4s]", u"ab"), u"[  ab]");
  EXPECT_EQ(Format(u"%x %X %u", 255, 255, -1), u"ff FF 4294967295");
  EXPECT_EQ(Format(u"%d", -2147483647 - 1), u"-2147483648");
  EXPECT_EQ(Format(u"100%%"), u"100%");
}

TEST(Format, NeverReadsPastItsArguments) {
  EXPECT_EQ(Format(u"%d and %s"), u" and ");
  EXPECT_EQ(Format(u"%d", u"text"), u"text");  // mismatched: shown as it is
  EXPECT_EQ(Format(u"%s", 5), u"5");
  EXPECT_EQ(Format(u"%q %d", 1), u"%q 1");    // unknown conversion stays
  EXPECT_EQ(Format(u"tail %"), u"tail %");
  EXPECT_EQ(Format(u"%99999999999d", 1).size(), 1000u);  // width is bounded
}

}  // namespace
}  // namespace tarvo
