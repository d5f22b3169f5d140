// The stand-in parse page, its media and the site's pictures, read back as
// the program reads them.
#include <gtest/gtest.h>

#include "StandInServers.h"
#include "platform/text/Utf8.h"
#include "servers/Fetch.h"
#include "video/PlayAddress.h"

namespace tarvo::video {
namespace {

class ParsePageRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    options.httpPort = 0;
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
    base_ = servers_.HttpBase();
  }

  PlayPageResult Resolve(const std::string& vid) { return ResolveAddress(base_ + "/v_show/id_" + vid + ".html"); }

  PlayPageResult ResolveAddress(const std::string& address) {
    const WString source = PlayAddressSource(FromUtf8(base_ + "/parse.php"), FromUtf8(address));
    return ParsePlayPage(servers::testing::Fetch(ToUtf8(source)).body, "GBK");
  }

  servers::StandInServers servers_;
  std::string base_;
};

TEST_F(ParsePageRoundTrip, AVideoResolvesToItsPartsWhoseMediaPlays) {
  const PlayPageResult result = Resolve("xh01");
  ASSERT_TRUE(result.ok) << ToUtf8(result.message);
  ASSERT_EQ(result.entries.size(), 2u);
  EXPECT_EQ(ToUtf8(result.entries[0].name), "星河片段01 第1段");
  EXPECT_EQ(ToUtf8(result.entries[1].url), base_ + "/media/xh01_2.y4m");
  ASSERT_TRUE(result.playlist);
  EXPECT_EQ(result.playlist->rfind("#EXTM3U\n#EXTINF:0,", 0), 0u);
  for (const auto& entry : result.entries) {
    const auto media = servers::testing::Fetch(ToUtf8(entry.url));
    EXPECT_EQ(media.status, 200);
    EXPECT_EQ(media.body.rfind("YUV4MPEG2 ", 0), 0u);
  }
}

TEST_F(ParsePageRoundTrip, CopyAddressesAndMorePartsResolve) {
  const PlayPageResult copies = Resolve("xh02");
  ASSERT_TRUE(copies.ok);
  EXPECT_EQ(ToUtf8(copies.entries.at(0).url), base_ + "/media/xh02_1.y4m");
  EXPECT_EQ(Resolve("xh09").entries.size(), 3u);
}

TEST_F(ParsePageRoundTrip, EveryFailureNoticeGivesItsMessage) {
  EXPECT_EQ(ToUtf8(Resolve("xh03").message), "提示:该视频地址格式错误");
  EXPECT_EQ(ToUtf8(Resolve("xh04").message), "提示：解析失败，请确认视频是否被删除、地址是否正确，或稍后重试......");
  EXPECT_EQ(ToUtf8(Resolve("xh05").message), "提示:对不起,两次解析间隔时间太短,请5秒后重试.");
  const PlayPageResult tooSoon = Resolve("xh06");  // the notice wins over the parts it came with
  EXPECT_FALSE(tooSoon.ok);
  EXPECT_EQ(ToUtf8(tooSoon.message), "提示:对不起,两次解析间隔时间太短,请5秒后重试.");
  EXPECT_EQ(ToUtf8(ResolveAddress("http://elsewhere.test/watch&t=2").message), "提示:该视频地址无法解析");
}

TEST_F(ParsePageRoundTrip, AnEmptyNameOrAPartWithoutAddressFailsTheResolution) {
  for (const char* vid : {"xh07", "xh08"}) {
    const PlayPageResult result = Resolve(vid);
    EXPECT_FALSE(result.ok) << vid;
    EXPECT_EQ(ToUtf8(result.message), "解析视频失败,可能服务器繁忙,请稍后重试!") << vid;
    EXPECT_TRUE(result.playlist) << vid;
  }
}

TEST_F(ParsePageRoundTrip, TheAddressArrivesAsSentAmpersandsAndAll) {
  ResolveAddress("http://elsewhere.test/watch&t=2");
  bool seen = false;
  for (const auto& request : servers_.Requests())
    seen |= request.target == "/parse.php?kw=http://elsewhere.test/watch&t=2";
  EXPECT_TRUE(seen);
}

TEST_F(ParsePageRoundTrip, PicturesAreJpegPngAndTheFaultyOnes) {
  const auto jpeg = servers::testing::Fetch(base_ + "/img/series.jpg");
  EXPECT_EQ(jpeg.status, 200);
  EXPECT_EQ(jpeg.body.substr(0, 3), "\xFF\xD8\xFF");
  EXPECT_EQ(jpeg.body.substr(jpeg.body.size() - 2), "\xFF\xD9");
  EXPECT_EQ(servers::testing::Fetch(base_ + "/img/tv.png").body.substr(0, 4), "\x89PNG");
  EXPECT_EQ(servers::testing::Fetch(base_ + "/img/fake.jpg").body.substr(0, 4), "\x89PNG");
  const auto broken = servers::testing::Fetch(base_ + "/img/broken.jpg");
  EXPECT_EQ(broken.body.substr(0, 2), "\xFF\xD8");
  EXPECT_NE(broken.body.substr(broken.body.size() - 2), "\xFF\xD9");
  EXPECT_EQ(servers::testing::Fetch(base_ + "/img/missing.jpg").status, 404);
  EXPECT_EQ(servers::testing::Fetch(base_ + "/img/v/xh01.jpg").body.substr(0, 2), "\xFF\xD8");
}

TEST_F(ParsePageRoundTrip, FaultBasesBendTheSiteLikeAnyPath) {
  EXPECT_EQ(servers::testing::Fetch(base_ + "/_fault/status:404/v_show/id_xh01.html").status, 404);
  const auto garbage = servers::testing::Fetch(base_ + "/_fault/garbage/parse.php?kw=x");
  EXPECT_EQ(garbage.body.size(), 1024u);
}

}  // namespace
}  // namespace tarvo::video
