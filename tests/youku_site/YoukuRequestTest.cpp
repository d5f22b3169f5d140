// Reading the stand-in Youku site's requests from the raw target.
#include "youku/YoukuRequest.h"

#include <gtest/gtest.h>

namespace tarvo::servers::youku {
namespace {

TEST(DecodeKeyword, PiecesOfOneOrTwoHexDigitsAreBytes) {
  EXPECT_EQ(DecodeKeyword("%E6%98%9F%E6%B2%B3"), "星河");
  EXPECT_EQ(DecodeKeyword("%9%41"), "\tA");
  EXPECT_EQ(DecodeKeyword("%41BC"), "ABC");
  EXPECT_EQ(DecodeKeyword("%4"), "\x04");
}

TEST(DecodeKeyword, APercentWithoutDigitsIsDroppedAndNothingBreaks) {
  EXPECT_EQ(DecodeKeyword("%"), "");
  EXPECT_EQ(DecodeKeyword("%%41"), "A");
  EXPECT_EQ(DecodeKeyword("%zz"), "zz");
}

TEST(ParseSearchTarget, ReadsKeywordOrderHdAndPage) {
  auto request = ParseSearchTarget("/search_video/q_%E6%98%9F%9_orderby_3_hd_1_page_2");
  ASSERT_TRUE(request);
  EXPECT_EQ(request->keyword, "星\t");
  EXPECT_EQ(request->order, 3);
  EXPECT_EQ(request->hd, 1);
  EXPECT_EQ(request->page, 2);
}

TEST(ParseSearchTarget, FindsThePathBelowAFaultPrefixAndIgnoresTheQuery) {
  auto request = ParseSearchTarget("/_fault/status:404/search_video/q_%41_orderby_1_hd_0_page_1?x=1");
  ASSERT_TRUE(request);
  EXPECT_EQ(request->keyword, "A");
  EXPECT_EQ(request->page, 1);
}

TEST(ParseSearchTarget, MalformedTargetsAreNoSearch) {
  EXPECT_FALSE(ParseSearchTarget("/search_video/q_%41"));
  EXPECT_FALSE(ParseSearchTarget("/search_video/q_%41_orderby_x_hd_0_page_1"));
  EXPECT_FALSE(ParseSearchTarget("/search_video/q_%41_orderby_1_page_1_hd_0"));
  EXPECT_FALSE(ParseSearchTarget("/search_video/q_%41_orderby_1_hd_0_page_9999999"));
  EXPECT_FALSE(ParseSearchTarget("/other"));
}

TEST(ParseAddress, TheRestAfterKwDecodedWithItsAmpersands) {
  EXPECT_EQ(ParseAddress("kw=http%3A%2F%2Fa.test/v?x=1&y=%E6%98%9F"), "http://a.test/v?x=1&y=星");
  EXPECT_EQ(ParseAddress("kw=a%2"), "a%2");
  EXPECT_EQ(ParseAddress("other=1"), "");
}

TEST(ParseEpisodeListPath, FirstAndLaterPages) {
  auto first = ParseEpisodeListPath("/show_eplist/showid_z9001_type_list.html");
  ASSERT_TRUE(first);
  EXPECT_EQ(first->showId, "9001");
  EXPECT_EQ(first->page, 1);
  auto later = ParseEpisodeListPath("/show_eplist/showid_z9001_page_3.html");
  ASSERT_TRUE(later);
  EXPECT_EQ(later->showId, "9001");
  EXPECT_EQ(later->page, 3);
  EXPECT_FALSE(ParseEpisodeListPath("/show_eplist/showid_z_type_list.html"));
  EXPECT_FALSE(ParseEpisodeListPath("/show_eplist/showid_z9001_page_0.html"));
  EXPECT_FALSE(ParseEpisodeListPath("/show_eplist/showid_z9001_page_.html"));
}

TEST(VideoIdOf, PathsAndWholeAddresses) {
  EXPECT_EQ(VideoIdOf("/v_show/id_xh01.html"), "xh01");
  EXPECT_EQ(VideoIdOf("http://h:1/v_show/id_fm01.html"), "fm01");
  EXPECT_FALSE(VideoIdOf("/v_show/id_.html"));
  EXPECT_FALSE(VideoIdOf("/v_show/id_a/b.html"));
  EXPECT_FALSE(VideoIdOf("http://elsewhere.test/watch"));
}

}  // namespace
}  // namespace tarvo::servers::youku
