#include "jokes/PageNumber.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(PageNumber, NumbersFromOneToCount) {
  EXPECT_EQ(ReadPageNumber(u"1", 30), 1);
  EXPECT_EQ(ReadPageNumber(u"30", 30), 30);
  EXPECT_EQ(ReadPageNumber(u" 12 ", 30), 12);
  EXPECT_EQ(ReadPageNumber(u"007", 30), 7);
}

TEST(PageNumber, OutsideTheRangeOrNotANumberIsRefused) {
  EXPECT_EQ(ReadPageNumber(u"0", 30), std::nullopt);
  EXPECT_EQ(ReadPageNumber(u"31", 30), std::nullopt);
  EXPECT_EQ(ReadPageNumber(u"", 30), std::nullopt);
  EXPECT_EQ(ReadPageNumber(u"abc", 30), std::nullopt);
  EXPECT_EQ(ReadPageNumber(u"1a", 30), std::nullopt);
  EXPECT_EQ(ReadPageNumber(u"-1", 30), std::nullopt);
}

TEST(PageNumber, NumbersBeyondThirtyTwoBitsAreRefusedNotWrapped) {
  // 4294967297 wraps to 1 in 32 bits.
  EXPECT_EQ(ReadPageNumber(u"4294967297", 30), std::nullopt);
  EXPECT_EQ(ReadPageNumber(u"100000000001", 2147483647), std::nullopt);
  EXPECT_EQ(ReadPageNumber(u"2147483647", 2147483647), 2147483647);
}

}  // namespace
}  // namespace tarvo
