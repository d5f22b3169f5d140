#include "RequestLog.h"

#include <gtest/gtest.h>

#include <thread>

#include "Fetch.h"
#include "StandInServers.h"
#include "support/TempDir.h"

namespace tarvo::servers {
namespace {

using namespace std::chrono_literals;

TEST(RequestLog, OneLinePerRequestWithEveryHeaderAndNoLineBreaks) {
  LoggedRequest request{"2026-12-07T01:02:03.456Z", "GET", "/tarvo/update.txt",
                        {{"Host", "127.0.0.1:1234"}, {"User-Agent", "Tarvo"}, {"X-Odd", "a\tb\r\nc"}}};
  EXPECT_EQ(FormatLogLine(request),
            "2026-12-07T01:02:03.456Z GET /tarvo/update.txt Host: 127.0.0.1:1234 | User-Agent: Tarvo | "
            "X-Odd: a b  c");
  EXPECT_EQ(FormatLogLine({"2026-12-07T01:02:03.456Z", "GET", "/", {}}), "2026-12-07T01:02:03.456Z GET /");
}

TEST(RequestLog, TimestampsAreUtcWithMilliseconds) {
  const auto when = std::chrono::system_clock::from_time_t(1796605323) + 7ms;
  EXPECT_EQ(UtcTimestamp(when), "2026-12-07T01:02:03.007Z");
}

TEST(RequestLog, WaitForReturnsOnceEnoughArrivedOrAtTheDeadline) {
  RequestLog log;
  EXPECT_FALSE(log.WaitFor(1, std::chrono::steady_clock::now() + 20ms));
  std::thread adder([&] { log.Add({"t", "GET", "/a", {}}); });
  EXPECT_TRUE(log.WaitFor(1, std::chrono::steady_clock::now() + 5s));
  adder.join();
  ASSERT_EQ(log.Requests().size(), 1u);
  EXPECT_EQ(log.Requests()[0].target, "/a");
}

TEST(RequestLog, TheServersKeepAndWriteEveryRequestAsItArrives) {
  tarvo::testing::TempDir dir;
  dir.Write("content/a.txt", "a");
  ServerOptions options;
  options.dataDir = dir.Path();
  options.faults = true;
  options.requestLogFile = dir.File("requests.log");
  StandInServers servers;
  std::string error;
  ASSERT_TRUE(servers.Start(options, &error)) << error;
  testing::Fetch(servers.HttpBase() + "/a.txt?x=%20y");
  testing::Fetch(servers.HttpBase() + "/_fault/stall/a.txt", 100ms);  // logged before any answer
  ASSERT_TRUE(servers.WaitForRequests(2, std::chrono::steady_clock::now() + 2s));
  const auto requests = servers.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_EQ(requests[0].target, "/a.txt?x=%20y");
  EXPECT_EQ(requests[0].Header("user-agent"), "Tarvo");
  EXPECT_EQ(requests[0].Header("Host"), "127.0.0.1:" + std::to_string(servers.HttpPort()));
  EXPECT_EQ(requests[0].Header("REMOTE_ADDR"), "");  // the library's own additions stay out
  EXPECT_EQ(requests[1].target, "/_fault/stall/a.txt");
  servers.Stop();
  const std::string log = dir.Read("requests.log");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
  EXPECT_NE(log.find(" GET /a.txt?x=%20y "), std::string::npos) << log;
  EXPECT_NE(log.find("User-Agent: Tarvo"), std::string::npos) << log;
  EXPECT_NE(log.find(" GET /_fault/stall/a.txt "), std::string::npos) << log;
}

TEST(RequestLog, AnUnwritableLogFileFailsTheStart) {
  tarvo::testing::TempDir dir;
  ServerOptions options;
  options.dataDir = dir.Path();
  options.requestLogFile = dir.File("no/such/folder/requests.log");
  StandInServers servers;
  std::string error;
  EXPECT_FALSE(servers.Start(options, &error));
  EXPECT_NE(error.find("requests.log"), std::string::npos) << error;
}

}  // namespace
}  // namespace tarvo::servers
