#include "tv/TvListFetch.h"

#include <gtest/gtest.h>

#include "StandInServers.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;

class TvListFetchTest : public ::testing::Test {
 protected:
  void Serve(const std::string& body) {
    data_.Write("content/tarvo/tvlist.txt", body);
    servers::ServerOptions options;
    options.dataDir = data_.File("");
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  TvFetchResult Fetch(const std::string& below = "") {
    return FetchRecommendedTv(FromUtf8(servers_.HttpBase() + below), HttpFetchTimeouts::Each(300ms), "GBK", nullptr);
  }

  testing::TempDir data_;
  servers::StandInServers servers_;
};

TEST(TvListAddress, OneSlashBetweenServerAndPath) {
  EXPECT_EQ(TvListAddress(u"http://h:1"), u"http://h:1/tarvo/tvlist.txt");
  EXPECT_EQ(TvListAddress(u"http://h:1/_fault/stall/"), u"http://h:1/_fault/stall/tarvo/tvlist.txt");
}

TEST(TvListBody, EachKindOfBodyHasItsOutcome) {
  const std::string gbk = ToCodePage(u"#新闻\r\nmms://a\r\n", "GBK");
  auto ok = ParseTvListBody(&gbk, "GBK");
  ASSERT_EQ(ok.outcome, TvFetchOutcome::kOk);
  EXPECT_EQ(ok.channels, (std::vector<TvChannel>{{u"新闻", u"mms://a"}}));
  const std::string only = "#";
  EXPECT_EQ(ParseTvListBody(&only, "GBK").outcome, TvFetchOutcome::kEmpty);
  const std::string before = "x#A\r\nmms://a\r\n";
  EXPECT_EQ(ParseTvListBody(&before, "GBK").outcome, TvFetchOutcome::kUnusable);
  const std::string suspended = ToCodePage(u"#网站被暂停\r\nx\r\n", "GBK");
  EXPECT_EQ(ParseTvListBody(&suspended, "GBK").outcome, TvFetchOutcome::kUnusable);
  EXPECT_EQ(ParseTvListBody(nullptr, "GBK").outcome, TvFetchOutcome::kUnusable);
  EXPECT_EQ(TvFetchMessage(TvFetchOutcome::kUnusable), u"无法连接服务器,请稍后获取推荐电视列表.");
  EXPECT_EQ(TvFetchMessage(TvFetchOutcome::kEmpty), u"抱歉,没有找到推荐电视!");
  EXPECT_EQ(TvFetchMessage(TvFetchOutcome::kOk), u"");
}

TEST_F(TvListFetchTest, AGbkListIsReadInTheDeviceCodePage) {
  Serve(ToCodePage(u"#央视一台\r\nmms://h/1\r\n#凤凰\r\nrtsp://h/2", "GBK"));
  auto result = Fetch();
  ASSERT_EQ(result.outcome, TvFetchOutcome::kOk);
  EXPECT_EQ(result.channels, (std::vector<TvChannel>{{u"央视一台", u"mms://h/1"}, {u"凤凰", u"rtsp://h/2"}}));
}

TEST_F(TvListFetchTest, FaultBodiesAreUnusable) {
  Serve("#A\r\nmms://a\r\n");
  for (const char* kind : {"status:404", "garbage", "empty", "reset:0", "stall"})
    EXPECT_EQ(Fetch(std::string("/_fault/") + kind).outcome, TvFetchOutcome::kUnusable) << kind;
  // A body broken off after its first record still yields what came.
  EXPECT_EQ(Fetch("/_fault/reset:12").outcome, TvFetchOutcome::kOk);
}

TEST_F(TvListFetchTest, AStopEndsAStalledFetchAtOnce) {
  Serve("#A\r\nmms://a\r\n");
  std::atomic<bool> stop{true};
  const auto start = std::chrono::steady_clock::now();
  auto result = FetchRecommendedTv(FromUtf8(servers_.HttpBase() + "/_fault/stall"), HttpFetchTimeouts::Each(5s),
                                   "GBK", &stop);
  EXPECT_EQ(result.outcome, TvFetchOutcome::kStopped);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

}  // namespace
}  // namespace tarvo
