#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "HoldingServer.h"
#include "TestRoutes.h"
#include "StandInServers.h"
#include "net/DownloadToFile.h"
#include "net/FetchUrl.h"
#include "net/HttpFetch.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::HoldingServer;

constexpr std::chrono::milliseconds kShort{300};
constexpr auto kStopWithin = 100ms;
constexpr char kPartialAnswer[] = "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\npartial";

// Runs a transfer on a thread of its own; Stop raises its flag and says how
// long the transfer took to end after that.
class StoppedTransfer {
 public:
  template <typename Transfer>
  explicit StoppedTransfer(Transfer transfer)
      : done_(std::async(std::launch::async, [this, transfer] {
          transfer(&stop_);
          ended_ = Clock::now();
        })) {}
  std::chrono::milliseconds Stop() {
    const auto raised = Clock::now();
    stop_ = true;
    done_.get();
    return std::chrono::duration_cast<std::chrono::milliseconds>(ended_ - raised);
  }

 private:
  std::atomic<bool> stop_{false};
  Clock::time_point ended_;
  std::future<void> done_;
};

class HttpFetchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.Write("content/tarvo/TarvoMsgLead.txt", "[Info]\r\nShow=1\r\n");
    data_.Write("content/article.asp@id=109", "<html>article</html>");
    data_.Write("content/zero.bin", std::string("\0after the zero", 15));
    servers::ServerOptions options;
    options.dataDir = data_.Path();
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  WString Url(const std::string& path) { return FromUtf8(servers_.HttpBase() + path); }
  static HttpFetchTimeouts Short() { return {kShort, kShort, kShort}; }

  testing::TempDir data_;
  testing::TempDir out_;
  HostFileAccess files_;
  servers::StandInServers servers_;
};

TEST_F(HttpFetchTest, FetchesTextAndWritesTheFileToo) {
  HttpFetch fetch(Url("/tarvo/TarvoMsgLead.txt"), files_, FromUtf8(out_.File("temp/lead.txt")));
  ASSERT_TRUE(fetch.Succeeded());
  EXPECT_EQ(*fetch.Content(), "[Info]\r\nShow=1\r\n");
  EXPECT_EQ(out_.Read("temp/lead.txt"), "[Info]\r\nShow=1\r\n");
  HttpFetch query(Url("/article.asp?id=109"));
  EXPECT_EQ(*query.Content(), "<html>article</html>");
}

TEST_F(HttpFetchTest, TheRequestCarriesTheProgramsHeadersAndAnEscapedPath) {
  HttpFetch fetch(Url("/_test/echo?q=天 龙#x"));
  ASSERT_TRUE(fetch.Succeeded());
  const std::string& echo = *fetch.Content();
  EXPECT_NE(echo.find("GET /_test/echo?q=%E5%A4%A9%20%E9%BE%99%23x\n"), std::string::npos) << echo;
  EXPECT_NE(echo.find("User-Agent: Tarvo\n"), std::string::npos);
  EXPECT_NE(echo.find("Accept: */*\n"), std::string::npos);
  EXPECT_NE(echo.find("Cache-Control: no-cache\n"), std::string::npos);
}

TEST_F(HttpFetchTest, AddressesWithoutAPathRequestNothing) {
  EXPECT_FALSE(HttpFetch(u"http://").Succeeded());
  HttpFetch noSlash(FromUtf8(servers_.HttpBase()), files_, FromUtf8(out_.File("f.txt")));
  EXPECT_FALSE(noSlash.Succeeded());
  EXPECT_EQ(noSlash.Content(), nullptr);
  EXPECT_TRUE(files_.FileExists(FromUtf8(out_.File("f.txt"))));  // opened all the same, empty
  HttpFetch emptyPath(Url("/"));  // the content server has no page at "/"
  EXPECT_TRUE(emptyPath.Succeeded());
  EXPECT_NE(emptyPath.Content()->find("404"), std::string::npos);
}

TEST_F(HttpFetchTest, ErrorPagesAreContentLikeAnyOther) {
  HttpFetch fetch(Url("/_fault/status:404/tarvo/TarvoMsgLead.txt"));
  ASSERT_TRUE(fetch.Succeeded());
  EXPECT_NE(fetch.Content()->find("404 Not Found"), std::string::npos);
}

TEST_F(HttpFetchTest, AZeroFirstByteLeavesNoTextButTheFileGetsEverything) {
  HttpFetch fetch(Url("/zero.bin"), files_, FromUtf8(out_.File("z.bin")));
  EXPECT_FALSE(fetch.Succeeded());
  EXPECT_EQ(fetch.Content(), nullptr);
  EXPECT_EQ(out_.Read("z.bin"), std::string("\0after the zero", 15));
}

TEST_F(HttpFetchTest, LongBodiesArriveWholeAndInOrder) {
  constexpr size_t kBytes = 3u << 20;
  HttpFetch fetch(Url("/_test/big?bytes=" + std::to_string(kBytes)), files_,
                  FromUtf8(out_.File("big.txt")));
  ASSERT_TRUE(fetch.Succeeded());
  const std::string& text = *fetch.Content();
  ASSERT_EQ(text.size(), kBytes);
  for (size_t i = 0; i < kBytes; i += 4093) ASSERT_EQ(text[i], servers::BigBodyByte(i)) << i;
  EXPECT_EQ(out_.Read("big.txt"), text);
}

TEST_F(HttpFetchTest, ABrokenTransferKeepsWhatArrived) {
  HttpFetch fetch(Url("/_fault/reset:70000/_test/big?bytes=140001"), Short());
  ASSERT_TRUE(fetch.Succeeded());
  EXPECT_EQ(fetch.Content()->size(), 70000u);
}

TEST_F(HttpFetchTest, StallsTimeOutUnsuccessful) {
  HttpFetch body(Url("/_fault/stall-body:7/tarvo/TarvoMsgLead.txt"), Short());
  EXPECT_FALSE(body.Succeeded());  // even though "partial" had arrived
  HttpFetch headers(Url("/_fault/stall/tarvo/TarvoMsgLead.txt"), Short());
  EXPECT_FALSE(headers.Succeeded());
  servers_.Stop();
  EXPECT_FALSE(HttpFetch(Url("/tarvo/TarvoMsgLead.txt"), Short()).Succeeded());  // refused
}

TEST_F(HttpFetchTest, TwoFetchesAtOnceDoNotDisturbEachOther) {
  // The server answers neither request before it has both: fetches that
  // could not run at the same time would time out.
  HoldingServer server(HoldingServer::Script::AnswerAfter(
      2, "HTTP/1.1 200 OK\r\nContent-Length: 12\r\nConnection: close\r\n\r\nboth at once", true));
  const HttpFetchTimeouts timeouts = HttpFetchTimeouts::Each(3s);
  std::string fileContent;
  bool fileOk = false;
  std::thread background([&] {
    HttpFetch fetch(FromUtf8(server.Url("/a")), files_, FromUtf8(out_.File("a.txt")), timeouts);
    fileOk = fetch.Succeeded();
  });
  HttpFetch memory(FromUtf8(server.Url("/b")), timeouts);
  background.join();
  EXPECT_EQ(server.Connections(), 2);
  ASSERT_TRUE(memory.Succeeded());
  EXPECT_EQ(*memory.Content(), "both at once");
  EXPECT_TRUE(fileOk);
  EXPECT_EQ(out_.Read("a.txt"), "both at once");
}

TEST_F(HttpFetchTest, AStoppedFetchEndsAtOnceUnsuccessfulAndLeavesNoFile) {
  HoldingServer server(HoldingServer::Script::AnswerAfter(1, kPartialAnswer));
  const WString file = FromUtf8(out_.File("partial.txt"));
  bool succeeded = true;
  bool hadContent = true;
  StoppedTransfer transfer([&](const std::atomic<bool>* stop) {
    HttpFetch fetch(FromUtf8(server.Url()), files_, file, HttpFetchTimeouts::Each(20s), stop);
    succeeded = fetch.Succeeded();
    hadContent = fetch.Content() != nullptr;
  });
  ASSERT_TRUE(server.WaitForAnswers(1));
  EXPECT_LT(transfer.Stop(), kStopWithin);
  EXPECT_FALSE(succeeded);
  EXPECT_FALSE(hadContent);
  EXPECT_FALSE(files_.FileExists(file));
}

TEST_F(HttpFetchTest, EveryStepWaitsTheDevicesTimeOut) {
  const auto profile = DeviceProfile::Parse("[Network]\nTimeoutMs=200\n");
  const auto start = Clock::now();
  HttpFetch headers(Url("/_fault/stall/tarvo/TarvoMsgLead.txt"), HttpFetchTimeouts::ForDevice(profile));
  HttpFetch body(Url("/_fault/stall-body:7/tarvo/TarvoMsgLead.txt"),
                 HttpFetchTimeouts::ForDevice(profile));
  EXPECT_FALSE(headers.Succeeded());
  EXPECT_FALSE(body.Succeeded());
  EXPECT_LT(Clock::now() - start, 3s);
}

TEST_F(HttpFetchTest, DownloadToFileWritesTheBodyOrNothing) {
  const WString target = FromUtf8(out_.File("image/Normal0.jpg"));
  DownloadToFile(Url("/_test/big?bytes=5000"), files_, target);
  ASSERT_TRUE(files_.FileExists(target));
  EXPECT_EQ(out_.Read("image/Normal0.jpg").size(), 5000u);
  const WString missing = FromUtf8(out_.File("image/none.jpg"));
  servers_.Stop();
  DownloadToFile(Url("/_test/big?bytes=5000"), files_, missing, Short());
  EXPECT_FALSE(files_.FileExists(missing));
}

TEST_F(HttpFetchTest, AFailedDownloadRemovesAnEarlierFile) {
  const std::string name = "image/Normal0.jpg";
  for (const char* path : {"/_fault/stall-body:7/tarvo/TarvoMsgLead.txt", "/_fault/reset:3000/_test/big?bytes=6000",
                           "/_fault/stall/tarvo/TarvoMsgLead.txt"}) {
    out_.Write(name, "the earlier picture");
    DownloadToFile(Url(path), files_, FromUtf8(out_.File(name)), Short());
    EXPECT_FALSE(files_.FileExists(FromUtf8(out_.File(name)))) << path;
  }
  out_.Write(name, "the earlier picture");
  servers_.Stop();
  DownloadToFile(Url("/_test/big?bytes=5000"), files_, FromUtf8(out_.File(name)), Short());
  EXPECT_FALSE(files_.FileExists(FromUtf8(out_.File(name))));
}

TEST_F(HttpFetchTest, ADownloadOverTheCapLeavesNoFile) {
  const WString target = FromUtf8(out_.File("update.xml"));
  DownloadToFile(Url("/_test/big?bytes=" + std::to_string(HttpFetch::kMaxContent + 1)), files_,
                 target);
  EXPECT_FALSE(files_.FileExists(target));
  DownloadToFile(Url("/_test/big?bytes=" + std::to_string(HttpFetch::kMaxContent)), files_,
                 target);
  EXPECT_EQ(out_.Read("update.xml").size(), HttpFetch::kMaxContent);
}

TEST_F(HttpFetchTest, ADownloadReplacesTheFileOnlyWhenComplete) {
  HoldingServer server(HoldingServer::Script::AnswerAfter(1, kPartialAnswer));
  out_.Write("image/1.jpg", "the earlier picture");
  const WString target = FromUtf8(out_.File("image/1.jpg"));
  StoppedTransfer transfer([&](const std::atomic<bool>* stop) {
    DownloadToFile(FromUtf8(server.Url()), files_, target, HttpFetchTimeouts::Each(20s), stop);
  });
  ASSERT_TRUE(server.WaitForAnswers(1));
  EXPECT_EQ(out_.Read("image/1.jpg"), "the earlier picture");  // still, while the body comes
  EXPECT_LT(transfer.Stop(), kStopWithin);
  EXPECT_FALSE(files_.FileExists(target));
}

TEST_F(HttpFetchTest, AStoppedDownloadMakesNoFurtherAttempts) {
  HoldingServer server(HoldingServer::Script::Silent());
  const WString target = FromUtf8(out_.File("image/2.jpg"));
  StoppedTransfer transfer([&](const std::atomic<bool>* stop) {
    DownloadToFile(FromUtf8(server.Url()), files_, target, HttpFetchTimeouts::Each(20s), stop);
  });
  ASSERT_TRUE(server.WaitForRequests(1));
  EXPECT_LT(transfer.Stop(), kStopWithin);
  EXPECT_EQ(server.Connections(), 1);
  EXPECT_FALSE(files_.FileExists(target));
}

TEST(FetchUrl, HostAndPathRules) {
  auto target = ParseFetchUrl(u"http://www.example.test:8080/a/b?c=1");
  ASSERT_TRUE(target);
  EXPECT_EQ(target->host, "www.example.test:8080");
  EXPECT_EQ(target->path, "a/b?c=1");
  EXPECT_EQ(ParseFetchUrl(u"http://host/")->path, "");
  EXPECT_FALSE(ParseFetchUrl(u"http://host"));
  EXPECT_FALSE(ParseFetchUrl(u"http://"));
  EXPECT_EQ(EscapeRequestBytes("a b#\x7f\t\xe4"), "a%20b%23%7F%09%E4");
}

TEST(FetchUrl, APercentSignIsNeverEscapedAgain) {
  // The keyword encoder sends a tab as "%9" and "a" as "%61": both go out as written.
  EXPECT_EQ(EscapeRequestBytes("q_%9%61_page_1"), "q_%9%61_page_1");
  EXPECT_EQ(EscapeRequestBytes("%20%zz%"), "%20%zz%");
  EXPECT_EQ(ParseFetchUrl(u"http://h/search_video/q_%9_orderby_1")->path, "search_video/q_%9_orderby_1");
}

}  // namespace
}  // namespace tarvo
