#include "video/LineFitting.h"

#include <gtest/gtest.h>

namespace tarvo::video {
namespace {

// Latin letters 5 pixels wide, everything else 10.
int Width(char16_t c) { return c < 0x80 ? 5 : 10; }

TEST(FitLine, ALineThatFitsStaysWhole) {
  EXPECT_EQ(FitLine(u"abcd", Width, 20), u"abcd");
  EXPECT_EQ(FitLine(u"", Width, 0), u"");
}

TEST(FitLine, ALongLineKeepsTwoCharactersFewerThanFit) {
  // The sum passes 30 at index 6 ("g"): four characters stay.
  EXPECT_EQ(FitLine(u"abcdefghij", Width, 30), u"abcd..");
  EXPECT_EQ(FitLine(u"中文标题很长", Width, 35), u"中..");
}

TEST(FitLine, NeverKeepsFewerThanNothing) {
  EXPECT_EQ(FitLine(u"中文", Width, 5), u"..");
  EXPECT_EQ(FitLine(u"a中", Width, 10), u"..");
  EXPECT_EQ(FitLine(u"abc", Width, -1), u"..");
}

}  // namespace
}  // namespace tarvo::video
