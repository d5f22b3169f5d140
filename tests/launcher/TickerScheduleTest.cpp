#include "launcher/TickerSchedule.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

SystemTime At(int year, int month, int day, int hour, int minute, int second) {
  SystemTime t;
  t.year = year;
  t.month = month;
  t.day = day;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  return t;
}

TEST(TickerTime, WrittenWithTwoBlanksInTwentyCharacters) {
  WString text = FormatTickerTime(At(2026, 3, 5, 7, 8, 9));
  EXPECT_EQ(text, u"2026-03-05  07:08:09");
  EXPECT_EQ(text.size(), kTickerTimeLength);
}

TEST(TickerTime, ParsesOnlyTheExactForm) {
  auto t = ParseTickerTime(u"2026-03-05  07:08:09");
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(t->minute, 8);
  EXPECT_FALSE(ParseTickerTime(u"2026-03-05 07:08:09").has_value());
  EXPECT_FALSE(ParseTickerTime(u"2026-03-05  07:08:09 ").has_value());
  EXPECT_FALSE(ParseTickerTime(u"2026-13-05  07:08:09").has_value());
  EXPECT_FALSE(ParseTickerTime(u"2026-02-30  07:08:09").has_value());
  EXPECT_FALSE(ParseTickerTime(u"2026-03-05  24:08:09").has_value());
  EXPECT_FALSE(ParseTickerTime(u"2026-03-05  07:+8:09").has_value());
}

TEST(TickerRefresh, FiftyNineMinutesIsNotDueSixtyIs) {
  WString last = u"2026-03-05  10:00:00";
  EXPECT_FALSE(IsTickerRefreshDue(WStringView(last), 60, At(2026, 3, 5, 10, 59, 59)));
  EXPECT_TRUE(IsTickerRefreshDue(WStringView(last), 60, At(2026, 3, 5, 11, 0, 0)));
}

TEST(TickerRefresh, DifferenceCountsEitherWay) {
  WString last = u"2026-03-05  10:00:00";
  EXPECT_FALSE(IsTickerRefreshDue(WStringView(last), 60, At(2026, 3, 5, 9, 1, 0)));
  EXPECT_TRUE(IsTickerRefreshDue(WStringView(last), 60, At(2026, 3, 5, 9, 0, 0)));
}

TEST(TickerRefresh, MissingOrUnusableValuesMakeItDue) {
  WString last = u"2026-03-05  10:00:00";
  SystemTime now = At(2026, 3, 5, 10, 1, 0);
  EXPECT_TRUE(IsTickerRefreshDue(std::nullopt, 60, now));
  EXPECT_TRUE(IsTickerRefreshDue(WStringView(last), std::nullopt, now));
  EXPECT_TRUE(IsTickerRefreshDue(WStringView(last), 0, now));
  EXPECT_TRUE(IsTickerRefreshDue(WStringView(u"yesterday"), 60, now));
}

TEST(TickerRefresh, AcrossMidnightAndMonthEnds) {
  WString last = u"2026-02-28  23:30:00";
  EXPECT_FALSE(IsTickerRefreshDue(WStringView(last), 1440, At(2026, 3, 1, 23, 29, 0)));
  EXPECT_TRUE(IsTickerRefreshDue(WStringView(last), 1440, At(2026, 3, 1, 23, 30, 0)));
}

}  // namespace
}  // namespace tarvo
