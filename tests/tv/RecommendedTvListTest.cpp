#include "tv/RecommendedTvList.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(TvListText, MustBeginWithAMark) {
  EXPECT_TRUE(IsUsableTvListText(u"#a\r\nu\r\n"));
  EXPECT_FALSE(IsUsableTvListText(u" #a\r\nu\r\n"));
  EXPECT_FALSE(IsUsableTvListText(u""));
  EXPECT_FALSE(IsUsableTvListText(u"#网站被暂停\r\n"));
}

TEST(TvListRecords, ReadsNameAndAddressPairs) {
  auto channels = ParseTvListRecords(u"#央视一套\r\nmms://a/1\r\n#Two\r\nrtsp://b\r\n");
  ASSERT_EQ(channels.size(), 2u);
  EXPECT_EQ(channels[0], (TvChannel{u"央视一套", u"mms://a/1"}));
  EXPECT_EQ(channels[1], (TvChannel{u"Two", u"rtsp://b"}));
}

TEST(TvListRecords, LastAddressWithoutLineEndStillCounts) {
  auto channels = ParseTvListRecords(u"#a\r\nu1\r\n#b\r\nu2");
  ASSERT_EQ(channels.size(), 2u);
  EXPECT_EQ(channels[1].url, u"u2");
}

TEST(TvListRecords, NameLineWithoutLineEndEndsTheList) {
  auto channels = ParseTvListRecords(u"#a\r\nu1\r\n#b");
  ASSERT_EQ(channels.size(), 1u);
  EXPECT_EQ(ParseTvListRecords(u"#a\nu1\n#b\nu2\n").size(), 0u);
}

TEST(TvListRecords, TextBetweenRecordsIsSkippedUpToTheNextMark) {
  auto channels = ParseTvListRecords(u"#a\r\nu1\r\nnoise\r\n#b\r\nu2\r\n");
  ASSERT_EQ(channels.size(), 2u);
  EXPECT_EQ(channels[1].name, u"b");
}

TEST(TvListRecords, StrayLineBreaksAreRemoved) {
  auto channels = ParseTvListRecords(u"#a\nb\r\nu\r1\r\n");
  ASSERT_EQ(channels.size(), 1u);
  EXPECT_EQ(channels[0], (TvChannel{u"ab", u"u1"}));
}

TEST(TvListRecords, EmptyNameOrAddressIsKept) {
  auto channels = ParseTvListRecords(u"#\r\n\r\n#n\r\nu");
  ASSERT_EQ(channels.size(), 2u);
  EXPECT_EQ(channels[0], (TvChannel{u"", u""}));
}

}  // namespace
}  // namespace tarvo
