#include <gtest/gtest.h>

#include <ctime>
#include <regex>

#include "Fetch.h"
#include "StandInServers.h"
#include "support/TempDir.h"

namespace tarvo::servers {
namespace {

using testing::RawGet;

// The Date header of a raw answer, or "none".
std::string DateOf(const std::string& answer) {
  std::smatch match;
  if (!std::regex_search(answer, match, std::regex("\r\nDate: ([^\r]*)\r\n"))) return "none";
  return match[1];
}

std::time_t Parsed(const std::string& date) {
  std::tm utc{};
  if (strptime(date.c_str(), "%a, %d %b %Y %H:%M:%S GMT", &utc) == nullptr) return 0;
  return timegm(&utc);
}

class TimeServer : public ::testing::Test {
 protected:
  void Start(int64_t offsetSeconds = 0) {
    dir_.Write("content/tarvo/update.txt", "list");
    ServerOptions options;
    options.dataDir = dir_.Path();
    options.timeOffsetSeconds = offsetSeconds;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  std::string Own() const { return "http://127.0.0.1:" + std::to_string(servers_.HttpPort()); }

  tarvo::testing::TempDir dir_;
  StandInServers servers_;
};

TEST_F(TimeServer, TimePathAnswersOkWithTheDateOfItsTimeSource) {
  Start(-86400 * 365);
  const std::string answer = RawGet(servers_.HttpPort(), "/_t");
  EXPECT_EQ(answer.substr(0, 15), "HTTP/1.1 200 OK");
  const std::time_t expected = std::time(nullptr) - 86400 * 365;
  EXPECT_NEAR(static_cast<double>(Parsed(DateOf(answer))), static_cast<double>(expected), 2.0) << DateOf(answer);
}

TEST_F(TimeServer, OtherRoutesKeepTheHostClockDate) {
  Start(100000);
  const std::string answer = RawGet(servers_.HttpPort(), "/tarvo/update.txt");
  EXPECT_NEAR(static_cast<double>(Parsed(DateOf(answer))), static_cast<double>(std::time(nullptr)), 2.0);
}

TEST_F(TimeServer, NoDateFaultLeavesTheHeaderOut) {
  Start();
  ASSERT_TRUE(servers_.ArmFault("/_t", "no-date", 1));
  const std::string answer = RawGet(servers_.HttpPort(), "/_t");
  EXPECT_EQ(answer.substr(0, 15), "HTTP/1.1 200 OK");
  EXPECT_EQ(DateOf(answer), "none");
  EXPECT_NE(DateOf(RawGet(servers_.HttpPort(), "/_t")), "none");  // armed for one request
}

TEST_F(TimeServer, BadDateFaultSendsADateOutOfEveryRange) {
  Start();
  ASSERT_TRUE(servers_.ArmFault("/_t", "bad-date"));
  const std::string date = DateOf(RawGet(servers_.HttpPort(), "/_t"));
  EXPECT_NE(date, "none");
  EXPECT_EQ(Parsed(date), 0) << date;
}

TEST_F(TimeServer, StatusFaultStillCarriesTheTimeSourceDate) {
  Start(7200);
  ASSERT_TRUE(servers_.ArmFault("/_t", "status:404"));
  const std::string answer = RawGet(servers_.HttpPort(), "/_t");
  EXPECT_EQ(answer.substr(0, 12), "HTTP/1.1 404");
  EXPECT_NEAR(static_cast<double>(Parsed(DateOf(answer))), static_cast<double>(std::time(nullptr) + 7200), 2.0);
}

TEST_F(TimeServer, GatewayAnswersTheTimePathOnAnyHost) {
  Start(3600);
  const std::string answer = RawGet(servers_.HttpPort(), "http://time.example.test/_t");
  EXPECT_EQ(answer.substr(0, 15), "HTTP/1.1 200 OK");
  EXPECT_NEAR(static_cast<double>(Parsed(DateOf(answer))), static_cast<double>(std::time(nullptr) + 3600), 2.0);
  ASSERT_EQ(servers_.Requests().size(), 1u);
  EXPECT_EQ(servers_.Requests()[0].target, "http://time.example.test/_t");
}

TEST_F(TimeServer, GatewayServesTheServersOwnAddressAndRefusesOthers) {
  Start();
  const std::string own = RawGet(servers_.HttpPort(), Own() + "/tarvo/update.txt");
  EXPECT_EQ(own.substr(0, 15), "HTTP/1.1 200 OK");
  EXPECT_EQ(own.substr(own.size() - 4), "list");
  EXPECT_EQ(RawGet(servers_.HttpPort(), "http://localhost:" + std::to_string(servers_.HttpPort()) +
                                            "/tarvo/update.txt").substr(0, 12),
            "HTTP/1.1 200");
  EXPECT_EQ(RawGet(servers_.HttpPort(), "http://content.example.test/tarvo/update.txt").substr(0, 12),
            "HTTP/1.1 502");
  // The right host on another port is somebody else.
  EXPECT_EQ(RawGet(servers_.HttpPort(), "http://127.0.0.1:1/tarvo/update.txt").substr(0, 12), "HTTP/1.1 502");
}

}  // namespace
}  // namespace tarvo::servers
