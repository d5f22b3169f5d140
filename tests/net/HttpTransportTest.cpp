#include "platform/net/HttpTransport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "HoldingServer.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::HoldingServer;

constexpr auto kStopWithin = 100ms;

// Runs one GET with long time-outs on a thread of its own, so that only the
// stop flag can end it early.
class StoppableGet {
 public:
  explicit StoppableGet(std::string url) {
    options_.connectTimeout = options_.requestTimeout = options_.readTimeout = 20s;
    options_.stop = &stop_;
    callbacks_.onStatus = [this](int, int status) {
      if (status == 60) connected_ = true;
    };
    callbacks_.onResponse = [this](long, long long) {
      responded_ = true;
      return true;
    };
    callbacks_.onRead = [](std::string_view) { return true; };
    outcome_ = std::async(std::launch::async, [this, url] {
      HttpOutcome outcome = HttpGet(url, options_, callbacks_);
      ended_ = Clock::now();
      return outcome;
    });
  }

  bool WaitUntil(const std::atomic<bool>& flag) {
    const auto deadline = Clock::now() + 5s;
    while (!flag && Clock::now() < deadline) {
      if (outcome_.wait_for(1ms) == std::future_status::ready) return false;
    }
    return flag;
  }
  bool StillRunningAfter(std::chrono::milliseconds wait) {
    return outcome_.wait_for(wait) == std::future_status::timeout;
  }
  // Raises the flag; the time from then to the end of the transfer.
  std::chrono::milliseconds Stop(HttpOutcome& outcome) {
    const auto raised = Clock::now();
    stop_ = true;
    outcome = outcome_.get();
    return std::chrono::duration_cast<std::chrono::milliseconds>(ended_ - raised);
  }

  std::atomic<bool> connected_{false};
  std::atomic<bool> responded_{false};

 private:
  HttpGetOptions options_;
  HttpGetCallbacks callbacks_;
  std::atomic<bool> stop_{false};
  Clock::time_point ended_;
  std::future<HttpOutcome> outcome_;
};

TEST(HttpGetStop, EndsATransferStillConnecting) {
  HoldingServer server(HoldingServer::Script::Unaccepting());
  StoppableGet get(server.Url());
  // The connect cannot complete: the transfer goes on until stopped.
  ASSERT_TRUE(get.StillRunningAfter(200ms));
  HttpOutcome outcome{};
  EXPECT_LT(get.Stop(outcome), kStopWithin);
  EXPECT_EQ(outcome, HttpOutcome::Cancelled);
  EXPECT_FALSE(get.connected_);
}

TEST(HttpGetStop, EndsATransferWaitingForTheHeaders) {
  HoldingServer server(HoldingServer::Script::Silent());
  StoppableGet get(server.Url());
  ASSERT_TRUE(server.WaitForRequests(1));
  HttpOutcome outcome{};
  EXPECT_LT(get.Stop(outcome), kStopWithin);
  EXPECT_EQ(outcome, HttpOutcome::Cancelled);
  EXPECT_FALSE(get.responded_);
}

TEST(HttpGetStop, EndsATransferWaitingForTheBody) {
  HoldingServer server(HoldingServer::Script::AnswerAfter(
      1, "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\npartial"));
  StoppableGet get(server.Url());
  ASSERT_TRUE(get.WaitUntil(get.responded_));
  HttpOutcome outcome{};
  EXPECT_LT(get.Stop(outcome), kStopWithin);
  EXPECT_EQ(outcome, HttpOutcome::Cancelled);
}

TEST(HttpGetStop, AFlagAlreadyRaisedRequestsNothing) {
  HoldingServer server(HoldingServer::Script::Silent());
  std::atomic<bool> stop{true};
  HttpGetOptions options;
  options.stop = &stop;
  EXPECT_EQ(HttpGet(server.Url(), options, {}), HttpOutcome::Cancelled);
  EXPECT_EQ(server.Connections(), 0);
}

}  // namespace
}  // namespace tarvo

namespace tarvo {
namespace {

using namespace std::chrono_literals;

TEST(HttpGetHeaders, TheFinalResponsesHeadersComeInOrderBeforeTheResponse) {
  testing::HoldingServer server(testing::HoldingServer::Script::AnswerAfter(
      0,
      "HTTP/1.1 100 Continue\r\nX-Interim: yes\r\n\r\n"
      "HTTP/1.1 404 Not Found\r\nDate: Sun, 06 Nov 1994 08:49:37 GMT\r\nX-Two:  spaced value \r\n"
      "Date: second\r\nContent-Length: 2\r\n\r\nok",
      true));
  HttpGetOptions options;
  options.connectTimeout = options.requestTimeout = options.readTimeout = 2s;
  HttpHeaders seen;
  bool headersBeforeResponse = false;
  HttpGetCallbacks callbacks;
  callbacks.onHeaders = [&](const HttpHeaders& headers) { seen = headers; };
  callbacks.onResponse = [&](long status, long long) {
    headersBeforeResponse = !seen.empty() && status == 404;
    return true;
  };
  EXPECT_EQ(HttpGet(server.Url(), options, callbacks), HttpOutcome::Completed);
  EXPECT_TRUE(headersBeforeResponse);
  EXPECT_EQ(seen, (HttpHeaders{{"Date", "Sun, 06 Nov 1994 08:49:37 GMT"},
                               {"X-Two", "spaced value"},
                               {"Date", "second"},
                               {"Content-Length", "2"}}));
}

}  // namespace
}  // namespace tarvo
