#include "video/MarkerFinder.h"

#include <gtest/gtest.h>

#include <random>

namespace tarvo::video {
namespace {

TEST(MarkerFinder, AnswersLikeAPlainSearchInAnyOrderOfQueries) {
  std::mt19937 random(7);
  // U+0161 and U+0261 share their low byte with 'a': the search table must
  // not let one stand for the other.
  const char16_t alphabet[] = {u'a', u'b', u'\u0161', u'\u0261'};
  const WString markers[] = {u"ab", u"b", u"aab", u"ba", u"c", u"a\u0161b", u"\u0261a",
                             u"b\u0161\u0161a"};
  for (int round = 0; round < 500; ++round) {
    WString text;
    size_t length = random() % 60;
    for (size_t i = 0; i < length; ++i) text += alphabet[random() % std::size(alphabet)];
    MarkerFinder finder(text);
    for (int query = 0; query < 50; ++query) {
      const WString& marker = markers[random() % std::size(markers)];
      size_t from = random() % (text.size() + 3);
      size_t expected = from > text.size() ? kNotFound : text.find(marker, from);
      ASSERT_EQ(finder.Find(marker, from), expected)
          << "round " << round << " marker " << query << " from " << from;
    }
  }
}

TEST(MarkerFinder, MarkersWithTheSameTextShareTheirMemory) {
  WString text = u"xx<b>yy<b>";
  MarkerFinder finder(text);
  WString first = u"<b>";
  EXPECT_EQ(finder.Find(first, 0), 2u);
  WString second = u"<b>";
  EXPECT_EQ(finder.Find(second, 3), 7u);
  EXPECT_EQ(finder.Find(u"<b>", 8), kNotFound);
  EXPECT_EQ(finder.Find(u"<b>", 0), 2u);
}

TEST(MarkerFinder, CutHonoursItsLimit) {
  WString text = u"<i>abc</i>";
  MarkerFinder finder(text);
  size_t position = 0;
  WString field;
  EXPECT_FALSE(finder.Cut(position, u"<i>", u"</i>", field, 5));
  EXPECT_EQ(position, 0u);
  EXPECT_TRUE(finder.Cut(position, u"<i>", u"</i>", field, 6));
  EXPECT_EQ(field, u"abc");
}

}  // namespace
}  // namespace tarvo::video
