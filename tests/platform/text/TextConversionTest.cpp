#include <gtest/gtest.h>

#include "platform/text/CodePage.h"
#include "platform/text/Utf16Be.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

TEST(Utf8, RoundTripsChineseAndCharactersBeyondTheBasicPlane) {
  const WString text = u"优酷 Tarvo \U0001F600 end";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(u"中"), "\xE4\xB8\xAD");
}

TEST(Utf8, InvalidBytesBecomeReplacementsAndDecodingGoesOn) {
  EXPECT_EQ(FromUtf8("a\x80" "b"), u"a\uFFFDb");              // lone continuation byte
  EXPECT_EQ(FromUtf8("a\xE4\xB8"), u"a\uFFFD");              // cut off at the end
  EXPECT_EQ(FromUtf8("\xC0\xAFx"), u"\uFFFD\uFFFDx");        // overlong lead byte
  EXPECT_EQ(FromUtf8("\xED\xA0\x80z"), u"\uFFFDz");          // encoded surrogate
  EXPECT_EQ(FromUtf8("\xE4\xB8" "A"), u"\uFFFDA");           // broken sequence keeps the next char
  EXPECT_EQ(ToUtf8(WString(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");  // unpaired surrogate
}

TEST(CodePage, GbkRoundTripsChineseText) {
  const WString text = u";此文件用来保存Tarvo的一些配置信息，擅自删改将导致程序异常!";
  const std::string gbk = ToCodePage(text);
  EXPECT_EQ(gbk.size(), 59u);  // the configuration file's comment line
  EXPECT_EQ(ToCodePage(u"中"), "\xD6\xD0");
  EXPECT_EQ(FromCodePage(gbk), text);
}

TEST(CodePage, InvalidGbkBytesAreReplacedWithoutStopping) {
  EXPECT_EQ(FromCodePage("ab\xFF" "cd"), u"ab\uFFFDcd");
  EXPECT_EQ(FromCodePage("x\xD6"), u"x\uFFFD");  // lead byte cut off at the end
  EXPECT_EQ(FromCodePage("\xD6\xD0\x81"), u"中\uFFFD");
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(ToCodePage(u"a\U0001F600b"), "a?b");
  EXPECT_EQ(ToCodePage(WString(u"a") + char16_t(0xDC00) + u"中"), "a?\xD6\xD0");
}

TEST(CodePage, OtherCodePagesByName) {
  EXPECT_TRUE(IsSupportedCodePage("BIG5"));
  EXPECT_FALSE(IsSupportedCodePage("NO-SUCH-PAGE"));
  EXPECT_EQ(FromCodePage(ToCodePage(u"電視", "BIG5"), "BIG5"), u"電視");
  EXPECT_EQ(FromCodePage("ok\xC3", "NO-SUCH-PAGE"), u"ok\uFFFD");
}

TEST(Utf16Be, BytesAreBigEndianAndAnOddByteIsDropped) {
  EXPECT_EQ(ToUtf16Be(u"A中"), std::string("\x00\x41\x4E\x2D", 4));
  EXPECT_EQ(FromUtf16Be(std::string("\x00\x41\x4E\x2D\x7F", 5)), u"A中");
}

}  // namespace
}  // namespace tarvo
