#include "video/TextCut.h"

#include <gtest/gtest.h>

namespace tarvo::video {
namespace {

TEST(ExtractBetween, CutsTheFieldAndMovesToTheEndMarker) {
  WString text = u"<a href=\"one\">x</a><a href=\"two\">";
  size_t position = 0;
  WString field;
  ASSERT_TRUE(ExtractBetween(text, position, u"href=\"", u"\"", field));
  EXPECT_EQ(field, u"one");
  EXPECT_EQ(text[position], u'"');
  ASSERT_TRUE(ExtractBetween(text, position, u"href=\"", u"\"", field));
  EXPECT_EQ(field, u"two");
}

TEST(ExtractBetween, AnEmptyFieldFailsAndLeavesThePosition) {
  WString text = u"title=\"\" title=\"late\"";
  size_t position = 0;
  WString field = u"old";
  EXPECT_FALSE(ExtractBetween(text, position, u"title=\"", u"\"", field));
  EXPECT_EQ(position, 0u);
  EXPECT_TRUE(field.empty());
}

TEST(ExtractBetween, TheEndMarkerIsLookedForOnlyAfterTheStartMarker) {
  // The quote before the start marker does not end the field.
  WString text = u"\" src=\"pic.jpg\"";
  size_t position = 0;
  WString field;
  ASSERT_TRUE(ExtractBetween(text, position, u"src=\"", u"\"", field));
  EXPECT_EQ(field, u"pic.jpg");
}

TEST(ExtractBetween, AMissingMarkerFails) {
  size_t position = 3;
  WString field;
  EXPECT_FALSE(ExtractBetween(u"abc src=\"x", position, u"src=\"", u"\"", field));
  EXPECT_FALSE(ExtractBetween(u"abc", position, u"src=\"", u"\"", field));
  EXPECT_EQ(position, 3u);
}

TEST(ExtractBetween, APositionPastTheEndFails) {
  size_t position = 100;
  WString field;
  EXPECT_FALSE(ExtractBetween(u"<a>x</a>", position, u">", u"<", field));
}

TEST(StripHighlight, RemovesTheSpansButKeepsTheirText) {
  WString text = u"<span class=\"highlight\">快乐</span>大本营</span>";
  StripHighlight(text);
  EXPECT_EQ(text, u"快乐大本营");
}

TEST(CleanText, AnAmpEntityBetweenTwoLettersIsRemoved) {
  WString text = u"A&amp;B";
  CleanText(text);
  EXPECT_EQ(text, u"AB");
}

TEST(CleanText, MdashBecomesTheFullWidthHyphen) {
  WString text = u"上&mdash;下";
  CleanText(text);
  EXPECT_EQ(text, u"上－下");
}

TEST(CleanText, EveryOccurrenceOfAnEntityGoesAtOnce) {
  WString text = u"a&nbsp;b&nbsp;c&lt;d";
  CleanText(text);
  EXPECT_EQ(text, u"abcd");
}

TEST(CleanText, AnAmpersandWithoutSemicolonStopsTheEntityStep) {
  WString text = u"Tom & Jerry";
  CleanText(text);
  EXPECT_EQ(text, u"Tom & Jerry");
  text = u"x&amp;y & z";
  CleanText(text);
  EXPECT_EQ(text, u"xy & z");
}

TEST(CleanText, TheEntityRunsFromTheFirstAmpersandToTheFirstSemicolon) {
  // "& b;" counts as one entity, as the rule reads.
  WString text = u"a & b; c";
  CleanText(text);
  EXPECT_EQ(text, u"a  c");
}

TEST(CleanText, ManyDistinctEntitiesFinishQuickly) {
  // A hostile field of 200000 distinct entities must not take minutes.
  WString text;
  for (int i = 0; i < 200000; ++i) text += u"&" + WString(1, static_cast<char16_t>(0x4E00 + i % 20000)) +
                                           WString(1, static_cast<char16_t>(0x4E00 + i / 20000)) + u";";
  WString small = u"x&a;&b;&c;y";
  CleanText(small);
  EXPECT_EQ(small, u"xy");
  CleanText(text);
  EXPECT_LT(text.size(), 800000u);
}

TEST(CleanText, LineBreaksAndOuterWhiteSpaceGo) {
  WString text = u" \t第一\r\n第二 \n";
  CleanText(text);
  EXPECT_EQ(text, u"第一第二");
}

TEST(RemoveBlanks, RemovesBlankTabAndLineBreaks) {
  WString text = u" 正 片\t名\r\n";
  RemoveBlanks(text);
  EXPECT_EQ(text, u"正片名");
}

}  // namespace
}  // namespace tarvo::video
