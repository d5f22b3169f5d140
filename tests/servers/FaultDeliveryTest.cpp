// The fault kinds as a client sees them, armed in process and by URL.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "Fetch.h"
#include "StandInServers.h"
#include "support/TempDir.h"

namespace tarvo::servers {
namespace {

using namespace std::chrono_literals;
using testing::Fetch;

constexpr char kBody[] = "0123456789abcdefghijklmnopqrstuvwxyz";  // 36 bytes

class FaultDeliveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.Write("content/xh/xh00001.txt", kBody);
    data_.Write("content/xh/xh00002.txt", kBody);
    data_.Write("content/article.asp@id=109", "<html>page</html>");
    ServerOptions options;
    options.dataDir = data_.Path();
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  testing::Fetched Get(const std::string& target, std::chrono::milliseconds wait = 2000ms) {
    return Fetch(servers_.HttpBase() + target, wait);
  }

  tarvo::testing::TempDir data_;
  StandInServers servers_;
};

TEST_F(FaultDeliveryTest, StallSendsNoHeadersUntilTheClientGivesUp) {
  EXPECT_TRUE(servers_.ArmFault("/xh/", "stall"));
  const auto fetched = Get("/xh/xh00001.txt", 200ms);
  EXPECT_EQ(fetched.outcome, HttpOutcome::RequestFailed);
  EXPECT_EQ(fetched.status, 0);
}

TEST_F(FaultDeliveryTest, StallBodySendsTheTrueLengthAndThenOnlyNBytes) {
  const auto fetched = Get("/_fault/stall-body:10/xh/xh00001.txt", 200ms);
  EXPECT_EQ(fetched.outcome, HttpOutcome::TimedOut);
  EXPECT_EQ(fetched.length, 36);
  EXPECT_EQ(fetched.body, "0123456789");
}

TEST_F(FaultDeliveryTest, ResetSendsNBytesOfTheBodyThenCloses) {
  const auto fetched = Get("/_fault/reset:5/xh/xh00001.txt");
  EXPECT_EQ(fetched.outcome, HttpOutcome::Broken);
  EXPECT_EQ(fetched.length, 36);
  EXPECT_EQ(fetched.body, "01234");
}

TEST_F(FaultDeliveryTest, StatusSendsAnErrorPageWithThatStatus) {
  const auto notFound = Get("/_fault/status:404/xh/xh00001.txt");
  EXPECT_EQ(notFound.status, 404);
  EXPECT_EQ(notFound.body, "<html><body><h1>404 Not Found</h1></body></html>");
  const auto unavailable = Get("/_fault/status:503/article.asp?id=109");
  EXPECT_EQ(unavailable.status, 503);
  EXPECT_EQ(unavailable.body, "<html><body><h1>503 Service Unavailable</h1></body></html>");
}

TEST_F(FaultDeliveryTest, GarbageAndEmptyAreSuccessfulAnswersWithTheWrongBody) {
  const auto garbage = Get("/_fault/garbage/xh/xh00001.txt");
  EXPECT_EQ(garbage.status, 200);
  EXPECT_EQ(garbage.body.size(), 1024u);
  EXPECT_EQ(garbage.body[0], '\xFF');
  const auto empty = Get("/_fault/empty/xh/xh00001.txt");
  EXPECT_EQ(empty.outcome, HttpOutcome::Completed);
  EXPECT_EQ(empty.status, 200);
  EXPECT_EQ(empty.length, 0);
  EXPECT_EQ(empty.body, "");
}

TEST_F(FaultDeliveryTest, NoLengthSendsTheWholeBodyEndedByTheClose) {
  const auto fetched = Get("/_fault/no-length/xh/xh00001.txt");
  EXPECT_EQ(fetched.outcome, HttpOutcome::Completed);
  EXPECT_EQ(fetched.length, -1);
  EXPECT_EQ(fetched.body, kBody);
}

TEST_F(FaultDeliveryTest, TrickleSendsTheWholeBodySlowly) {
  const auto start = std::chrono::steady_clock::now();
  const auto fetched = Get("/_fault/trickle:10:20/xh/xh00001.txt");
  EXPECT_EQ(fetched.outcome, HttpOutcome::Completed);
  EXPECT_EQ(fetched.body, kBody);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 60ms);  // three waits between four pieces
}

TEST_F(FaultDeliveryTest, AnArmedFaultTakesItsCountOfRequestsThenDisarms) {
  EXPECT_TRUE(servers_.ArmFault("/xh/", "status:500", 2));
  EXPECT_EQ(Get("/xh/xh00001.txt").status, 500);
  EXPECT_EQ(Get("/article.asp?id=109").status, 200);  // another prefix: untouched, uncounted
  EXPECT_EQ(Get("/xh/xh00002.txt").status, 500);
  EXPECT_EQ(Get("/xh/xh00001.txt").body, kBody);
}

TEST_F(FaultDeliveryTest, ACountOfZeroLastsUntilDisarmedAndTheLongestPrefixWins) {
  EXPECT_TRUE(servers_.ArmFault("/xh/", "status:502", 0));
  EXPECT_TRUE(servers_.ArmFault("/xh/xh00002", "empty", 1));
  EXPECT_EQ(Get("/xh/xh00002.txt").body, "");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Get("/xh/xh00002.txt").status, 502);
  servers_.DisarmFaults();
  EXPECT_EQ(Get("/xh/xh00002.txt").body, kBody);
}

TEST_F(FaultDeliveryTest, UnknownKindsAreRefused) {
  std::string error;
  EXPECT_FALSE(servers_.ArmFault("/", "explode", 1, &error));
  EXPECT_NE(error.find("explode"), std::string::npos);
  EXPECT_EQ(Get("/_fault/explode/xh/xh00001.txt").status, 400);
}

TEST_F(FaultDeliveryTest, FaultUrlsNeedTheFaultsOption) {
  StandInServers plain;
  ServerOptions options;
  options.dataDir = data_.Path();
  std::string error;
  ASSERT_TRUE(plain.Start(options, &error)) << error;
  EXPECT_EQ(Fetch(plain.HttpBase() + "/_fault/status:500/xh/xh00001.txt").status, 404);
  EXPECT_EQ(Fetch(plain.HttpBase() + "/_test/echo").status, 404);
}

TEST_F(FaultDeliveryTest, StoppingEndsStalledAndIdleConnectionsAtOnce) {
  std::vector<std::thread> clients;
  for (const char* target : {"/_fault/stall/xh/xh00001.txt", "/_fault/stall-body:3/xh/xh00001.txt",
                             "/_fault/trickle:1:1000/xh/xh00001.txt"})
    clients.emplace_back([this, target] { Get(target, 10000ms); });
  ASSERT_TRUE(servers_.WaitForRequests(3, std::chrono::steady_clock::now() + 2s));
  const auto start = std::chrono::steady_clock::now();
  servers_.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 300ms);
  for (auto& client : clients) client.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1000ms);  // the clients saw the close too
}

}  // namespace
}  // namespace tarvo::servers
