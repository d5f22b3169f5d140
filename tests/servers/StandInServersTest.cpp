#include "StandInServers.h"

#include <gtest/gtest.h>

#include <regex>

#include "Fetch.h"
#include "support/TempDir.h"

namespace tarvo::servers {
namespace {

using namespace std::chrono_literals;

ServerOptions OptionsFor(const tarvo::testing::TempDir& dir, int port = 0) {
  ServerOptions options;
  options.dataDir = dir.Path();
  options.httpPort = port;
  return options;
}

using testing::Connect;

TEST(StandInServers, APortInUseIsAFailedStartWithAClearReason) {
  tarvo::testing::TempDir dir;
  StandInServers first;
  std::string error;
  ASSERT_TRUE(first.Start(OptionsFor(dir), &error)) << error;
  StandInServers second;
  EXPECT_FALSE(second.Start(OptionsFor(dir, first.HttpPort()), &error));
  EXPECT_EQ(error, "cannot listen on 127.0.0.1:" + std::to_string(first.HttpPort()) + ": the port is in use");
}

TEST(StandInServers, AStoppedServerFreesItsPortAndCanStartAgain) {
  tarvo::testing::TempDir dir;
  dir.Write("content/a.txt", "a");
  StandInServers servers;
  std::string error;
  ASSERT_TRUE(servers.Start(OptionsFor(dir), &error)) << error;
  const int port = servers.HttpPort();
  servers.Stop();
  EXPECT_EQ(testing::Fetch(servers.HttpBase() + "/a.txt", 300ms).outcome, HttpOutcome::NotConnected);
  ASSERT_TRUE(servers.Start(OptionsFor(dir, port), &error)) << error;
  EXPECT_EQ(testing::Fetch(servers.HttpBase() + "/a.txt").body, "a");
}

TEST(StandInServers, EveryAnswerCarriesADateHeader) {
  tarvo::testing::TempDir dir;
  dir.Write("content/a.txt", "a");
  StandInServers servers;
  std::string error;
  ASSERT_TRUE(servers.Start(OptionsFor(dir), &error)) << error;
  const std::regex date(R"(Date: (Mon|Tue|Wed|Thu|Fri|Sat|Sun), \d\d [A-Z][a-z]{2} \d{4} \d\d:\d\d:\d\d GMT\r\n)");
  for (const char* target : {"/a.txt", "/missing.txt"}) {
    const std::string answer = testing::RawGet(servers.HttpPort(), target);
    EXPECT_TRUE(std::regex_search(answer, date)) << answer;
  }
}

TEST(StandInServers, StoppingDoesNotWaitForAClientThatSendsNothing) {
  tarvo::testing::TempDir dir;
  StandInServers servers;
  std::string error;
  ASSERT_TRUE(servers.Start(OptionsFor(dir), &error)) << error;
  // One connection kept open after an answer, one with half a request.
  const int idle = Connect(servers.HttpPort()), partial = Connect(servers.HttpPort());
  ASSERT_GE(idle, 0);
  ASSERT_GE(partial, 0);
  const std::string request = "GET /a HTTP/1.1\r\nHost: x\r\n\r\n";
  ASSERT_EQ(send(idle, request.data(), request.size(), 0), static_cast<ssize_t>(request.size()));
  char buffer[256];
  ASSERT_GT(recv(idle, buffer, sizeof buffer, 0), 0);  // answered: the server now waits for more
  ASSERT_GT(send(partial, "GET /a HTTP/1.1\r\n", 17, 0), 0);
  const auto start = std::chrono::steady_clock::now();
  servers.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 300ms);
  close(idle);
  close(partial);
}

}  // namespace
}  // namespace tarvo::servers
