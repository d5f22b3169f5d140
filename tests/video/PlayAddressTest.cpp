#include "video/PlayAddress.h"

#include <gtest/gtest.h>

#include "platform/text/CodePage.h"
#include "video/VideoFixtures.h"

namespace tarvo::video {
namespace {

using testing::FixtureBytes;

std::string Gbk(WStringView text) { return ToCodePage(text, "GBK"); }

TEST(ParsePlayPage, ThreePartsTheSecondWithOnlyACopyAddress) {
  PlayPageResult result = ParsePlayPage(FixtureBytes("video/parse_three_parts.txt"), "GBK");
  ASSERT_TRUE(result.ok);
  ASSERT_EQ(result.entries.size(), 3u);
  EXPECT_EQ(result.entries[1], (PlayAddress{u"第二段", u"http://media.test/2c.flv"}));
  // The second part's "<C>" is used, not the third part's "<U>".
  EXPECT_EQ(result.entries[2].url, u"http://media.test/3.flv");
  ASSERT_TRUE(result.playlist);
  EXPECT_EQ(*result.playlist,
            Gbk(u"#EXTM3U\n#EXTINF:0,第一段\nhttp://media.test/1.flv\n#EXTINF:1,第二段\n"
                u"http://media.test/2c.flv\n#EXTINF:2,第三段\nhttp://media.test/3.flv\n"));
}

TEST(ParsePlayPage, AnAddressOfTheNextPartDoesNotServeThisOne) {
  PlayPageResult result =
      ParsePlayPage("<N>one\n<N>two\n<U>http://m/2\n", "GBK");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, u"解析视频失败,可能服务器繁忙,请稍后重试!");
  EXPECT_TRUE(result.entries.empty());
  ASSERT_TRUE(result.playlist);
  EXPECT_EQ(*result.playlist, "#EXTM3U\n#EXTINF:0,one\n");
}

TEST(ParsePlayPage, TheFiveSecondNoticeWinsOverParts) {
  PlayPageResult result = ParsePlayPage(FixtureBytes("video/parse_too_soon.txt"), "GBK");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, u"提示:对不起,两次解析间隔时间太短,请5秒后重试.");
  EXPECT_FALSE(result.playlist);
}

TEST(ParsePlayPage, FailureMarkersAreTestedInTableOrder) {
  std::string page = Gbk(u"提示：解析失败 404 Not Found 提示：对不起，FLVCD暂不支持此地址的解析");
  EXPECT_EQ(ParsePlayPage(page, "GBK").message, u"提示:该视频地址格式错误");
  EXPECT_EQ(ParsePlayPage(Gbk(u"提示：解析失败\n<N>a\n<U>b\n"), "GBK").message,
            u"提示：解析失败，请确认视频是否被删除、地址是否正确，或稍后重试......");
  EXPECT_EQ(ParsePlayPage(Gbk(u"x提示：对不起，FLVCD暂不支持此地址的解析"), "GBK").message,
            u"提示:该视频地址无法解析");
}

TEST(ParsePlayPage, MarkersAreMatchedAsGbkBytesNotAsUtf8) {
  // The same notice in UTF-8 is not the parse page's notice.
  std::string page = "提示：解析失败\n<N>a\n<U>b\n";
  EXPECT_TRUE(ParsePlayPage(page, "GBK").ok);
}

TEST(ParsePlayPage, AnEmptyNameFailsTheResolution) {
  PlayPageResult result = ParsePlayPage(FixtureBytes("video/parse_empty_name.txt"), "GBK");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, u"解析视频失败,可能服务器繁忙,请稍后重试!");
}

TEST(ParsePlayPage, PartsBeforeAFailureStayInTheList) {
  PlayPageResult result = ParsePlayPage("<N>a\n<U>u1\n<N>b\n<U>u2", "GBK");
  EXPECT_FALSE(result.ok);
  ASSERT_EQ(result.entries.size(), 1u);
  EXPECT_EQ(result.entries[0].url, u"u1");
}

TEST(ParsePlayPage, NoPartsOrNoBodyFail) {
  PlayPageResult noParts = ParsePlayPage("<html></html>", "GBK");
  EXPECT_FALSE(noParts.ok);
  EXPECT_EQ(noParts.message, u"解析视频失败,可能服务器繁忙,请稍后重试!");
  EXPECT_EQ(noParts.playlist, std::optional<std::string>("#EXTM3U\n"));
  PlayPageResult noBody = ParsePlayPage("", "GBK");
  EXPECT_EQ(noBody.message, u"搜索超时或读取网页数据失败!");
  EXPECT_FALSE(noBody.playlist);
}

TEST(PlayAddressSource, AppendsTheVideoUrlVerbatim) {
  EXPECT_EQ(PlayAddressSource(u"http://p:1/parse.php", u"http://v/a?b=1&c=2"),
            u"http://p:1/parse.php?kw=http://v/a?b=1&c=2");
  EXPECT_EQ(PlayAddressSource(u"http://p:1", u"x"), u"http://p:1/parse.php?kw=x");
  EXPECT_EQ(PlayAddressSource(u"http://p:1/", u"x"), u"http://p:1/parse.php?kw=x");
}

}  // namespace
}  // namespace tarvo::video
