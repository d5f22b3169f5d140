#include "timesync/HttpDate.h"

#include <gtest/gtest.h>

#include "timesync/Nmea.h"

namespace tarvo {
namespace {

std::string Parsed(std::string_view text) {
  auto time = ParseHttpDate(text);
  return time ? FormatIsoUtc(*time) : "none";
}

TEST(HttpDateForms, ImfFixDate) {
  EXPECT_EQ(Parsed("Sun, 06 Nov 1994 08:49:37 GMT"), "1994-11-06T08:49:37.000Z");
  EXPECT_EQ(Parsed("Thu, 31 Dec 2026 23:59:59 GMT"), "2026-12-31T23:59:59.000Z");
}

TEST(HttpDateForms, Rfc850WithTwoDigitYears) {
  EXPECT_EQ(Parsed("Sunday, 06-Nov-94 08:49:37 GMT"), "1994-11-06T08:49:37.000Z");
  EXPECT_EQ(Parsed("Thursday, 01-Jan-70 00:00:00 GMT"), "1970-01-01T00:00:00.000Z");
  EXPECT_EQ(Parsed("Wednesday, 31-Dec-69 12:00:00 GMT"), "2069-12-31T12:00:00.000Z");
  EXPECT_EQ(Parsed("Saturday, 01-Jan-00 00:00:00 GMT"), "2000-01-01T00:00:00.000Z");
}

TEST(HttpDateForms, AsctimeWithOneOrTwoDigitDays) {
  EXPECT_EQ(Parsed("Sun Nov  6 08:49:37 1994"), "1994-11-06T08:49:37.000Z");
  EXPECT_EQ(Parsed("Mon Nov 16 08:49:37 1994"), "1994-11-16T08:49:37.000Z");
}

TEST(HttpDateForms, SurroundingBlanksAreIgnoredAndTheWeekdayIsFilledIn) {
  auto time = ParseHttpDate("  Sun, 06 Nov 1994 08:49:37 GMT \r");
  ASSERT_TRUE(time);
  EXPECT_EQ(time->dayOfWeek, 0);
  // A weekday that does not match the date is taken as a name only.
  auto wrong = ParseHttpDate("Mon, 06 Nov 1994 08:49:37 GMT");
  ASSERT_TRUE(wrong);
  EXPECT_EQ(wrong->dayOfWeek, 0);
}

TEST(HttpDateForms, LeapSecondIsKeptInTheMinute) {
  EXPECT_EQ(Parsed("Sat, 31 Dec 2016 23:59:60 GMT"), "2016-12-31T23:59:59.000Z");
}

TEST(HttpDateRefused, FieldsOutOfRange) {
  EXPECT_EQ(Parsed("Sun, 32 Nov 1994 08:49:37 GMT"), "none");
  EXPECT_EQ(Parsed("Sun, 31 Nov 1994 08:49:37 GMT"), "none");
  EXPECT_EQ(Parsed("Sun, 29 Feb 2023 08:49:37 GMT"), "none");
  EXPECT_EQ(Parsed("Sun, 06 Nov 1994 24:00:00 GMT"), "none");
  EXPECT_EQ(Parsed("Sun, 06 Nov 1994 08:60:00 GMT"), "none");
  EXPECT_EQ(Parsed("Sun, 06 Nov 1994 08:49:61 GMT"), "none");
  EXPECT_EQ(Parsed("Sun, 00 Nov 1994 08:49:37 GMT"), "none");
}

TEST(HttpDateRefused, OtherZonesNamesAndShapes) {
  EXPECT_EQ(Parsed("Sun, 06 Nov 1994 08:49:37 UTC"), "none");
  EXPECT_EQ(Parsed("Sun, 06 Nov 1994 08:49:37 +0000"), "none");
  EXPECT_EQ(Parsed("Sun, 06 Nov 1994 08:49:37"), "none");
  EXPECT_EQ(Parsed("Sun, 06 Foo 1994 08:49:37 GMT"), "none");
  EXPECT_EQ(Parsed("Xyz, 06 Nov 1994 08:49:37 GMT"), "none");
  EXPECT_EQ(Parsed("Sun, 6 Nov 1994 08:49:37 GMT"), "none");
  EXPECT_EQ(Parsed("Sun, 06 Nov 94 08:49:37 GMT"), "none");
  EXPECT_EQ(Parsed("1994-11-06T08:49:37Z"), "none");
  EXPECT_EQ(Parsed(""), "none");
  EXPECT_EQ(Parsed("Sun, 06 Nov 1994 08:49:37 GMT trailing"), "none");
  EXPECT_EQ(Parsed(std::string_view("Sun, 06 Nov 1994\0 08:49:37 GMT", 30)), "none");
}

}  // namespace
}  // namespace tarvo
