#include "video/KeywordEncoding.h"

#include <gtest/gtest.h>

namespace tarvo::video {
namespace {

TEST(EncodeKeyword, EveryByteIsEncodedLettersAndSpacesToo) {
  EXPECT_EQ(EncodeKeyword(u"abc"), u"%61%62%63");
  EXPECT_EQ(EncodeKeyword(u"a b"), u"%61%20%62");
}

TEST(EncodeKeyword, ChineseTakesItsUtf8BytesInUpperCase) {
  EXPECT_EQ(EncodeKeyword(u"中"), u"%E4%B8%AD");
  EXPECT_EQ(EncodeKeyword(u"优酷"), u"%E4%BC%98%E9%85%B7");
}

TEST(EncodeKeyword, BytesBelowSixteenHaveOneDigit) {
  EXPECT_EQ(EncodeKeyword(u"\t"), u"%9");
  EXPECT_EQ(EncodeKeyword(u"\x01z"), u"%1%7A");
}

TEST(EncodeKeyword, FourteenChineseCharactersFitAFifteenthIsCut) {
  WString fourteen(14, u'中');
  WString encoded = EncodeKeyword(fourteen);
  EXPECT_EQ(encoded.size(), 126u);
  EXPECT_EQ(EncodeKeyword(fourteen + u"中"), encoded);
}

TEST(EncodeKeyword, ACutNeverSplitsACharacter) {
  // 42 ASCII bytes take 126 characters; the next character needs 9 more.
  WString keyword(42, u'a');
  EXPECT_EQ(EncodeKeyword(keyword + u"中"), EncodeKeyword(keyword));
  // Single-digit bytes fill the buffer up to its last character.
  WString encoded41 = EncodeKeyword(WString(41, u'a'));
  EXPECT_EQ(EncodeKeyword(WString(41, u'a') + u"\x01\x01\x01"), encoded41 + u"%1%1");
  // A character outside the BMP (a surrogate pair, four UTF-8 bytes) stays whole.
  WString emoji = u"\U0001F600";
  WString encoded = EncodeKeyword(WString(38, u'a') + emoji);
  EXPECT_EQ(encoded, EncodeKeyword(WString(38, u'a')) + u"%F0%9F%98%80");
  EXPECT_EQ(EncodeKeyword(WString(39, u'a') + emoji), EncodeKeyword(WString(39, u'a')));
}

TEST(EncodeKeyword, TheEncodedFormNeverExceedsTheBuffer) {
  for (size_t n = 0; n < 80; ++n) {
    EXPECT_LE(EncodeKeyword(WString(n, u'x')).size(), kEncodedKeywordMax);
    EXPECT_LE(EncodeKeyword(WString(n, u'\t')).size(), kEncodedKeywordMax);
  }
}

TEST(YoukuSearchPath, CarriesOrderPlusOneHdAndPage) {
  EXPECT_EQ(YoukuSearchPath(u"abc", 3, 1, 1), u"/search_video/q_%61%62%63_orderby_4_hd_1_page_1");
  EXPECT_EQ(YoukuSearchPath(u"a", 0, 0, 12), u"/search_video/q_%61_orderby_1_hd_0_page_12");
}

}  // namespace
}  // namespace tarvo::video
