// tarvo-probe's time commands: an HTTP date, the HTTP sync on a device
// (direct and through the WAP gateway), and a GPS read from a simulated
// receiver.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>

#include "GpsSimulator.h"
#include "StandInServers.h"
#include "main/probe/ProbeCommand.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"

namespace tarvo {
namespace {

struct ProbeResult {
  int code;
  nlohmann::json json;
  std::string out;
};

ProbeResult Probe(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = probe::RunProbe(args, out, err);
  const std::string text = out.str();
  // The last line is the command's JSON answer.
  const size_t start = text.rfind('\n', text.size() >= 2 ? text.size() - 2 : 0);
  const std::string last = start == std::string::npos ? text : text.substr(start + 1);
  return {code, nlohmann::json::parse(last, nullptr, false), text};
}

TEST(ProbeTime, HttpDatesInEachFormAndNone) {
  auto rfc = Probe({"http-date", "Sun, 06 Nov 1994 08:49:37 GMT"});
  EXPECT_EQ(rfc.code, 0);
  EXPECT_EQ(rfc.json["utc"], "1994-11-06T08:49:37.000Z");
  EXPECT_EQ(Probe({"http-date", "Sunday, 06-Nov-94 08:49:37 GMT"}).json["utc"], "1994-11-06T08:49:37.000Z");
  EXPECT_EQ(Probe({"http-date", "Sun Nov  6 08:49:37 1994"}).json["utc"], "1994-11-06T08:49:37.000Z");
  auto none = Probe({"http-date", "Sun, 06 Nov 1994 25:49:37 GMT"});
  EXPECT_EQ(none.code, 1);
  EXPECT_TRUE(none.json["utc"].is_null());
  EXPECT_EQ(Probe({"http-date"}).code, 2);
}

TEST(ProbeTime, TheHttpSyncDirectAndThroughTheGatewaySetsTheDeviceClockOnlyWhenAsked) {
  testing::TempDir data;
  servers::StandInServers servers;
  servers::ServerOptions options;
  options.dataDir = data.Path();
  options.timeOffsetSeconds = 3600;
  std::string error;
  ASSERT_TRUE(servers.Start(options, &error)) << error;
  testing::TempDir dir;
  const std::string device = dir.File("phone");
  ASSERT_TRUE(testing::OpenTestDevice(device, servers.HttpPort()));
  const std::string server = "127.0.0.1:" + std::to_string(servers.HttpPort());

  auto direct = Probe({"--device", device, "timesync", "http", server});
  EXPECT_EQ(direct.code, 0) << direct.out;
  EXPECT_EQ(direct.json["requests"], 2);
  EXPECT_FALSE(direct.json["date"].get<std::string>().empty());
  EXPECT_FALSE(direct.json.contains("set"));
  EXPECT_FALSE(std::filesystem::exists(device + "/clock-offset"));

  auto gateway = Probe({"--device", device, "timesync", "http", "http://time.example.test/ignored", "--wap", "--set"});
  EXPECT_EQ(gateway.code, 0) << gateway.out;
  EXPECT_EQ(gateway.json["set"], true);
  const std::string offset = dir.Read("phone/clock-offset");
  const long long ms = std::stoll(offset);
  EXPECT_GT(ms, 3590 * 1000LL);
  EXPECT_LT(ms, 3610 * 1000LL);
  EXPECT_EQ(servers.Requests().back().target, "http://time.example.test/_t");

  EXPECT_EQ(Probe({"--device", device, "timesync", "http", "ftp://x"}).code, 2);
}

TEST(ProbeTime, AGpsReadPrintsEachTimeUntilTheFixAndLeavesTheClockAlone) {
  testing::TempDir dir;
  const std::string device = dir.File("phone");
  ASSERT_TRUE(testing::OpenTestDevice(device));
  servers::GpsSimulator gps;
  servers::GpsOptions gpsOptions;
  gpsOptions.linkPath = device + "/gps-pty";
  gpsOptions.fixAfter = 1;
  gpsOptions.interval = std::chrono::milliseconds(50);
  std::string error;
  ASSERT_TRUE(gps.Start(gpsOptions, &error)) << error;
  // The template maps COM5: to the simulator's link in the device folder.
  auto read = Probe({"--device", device, "gps", "read", "COM5:"});
  EXPECT_EQ(read.code, 0) << read.out;
  EXPECT_EQ(read.json["outcome"], "fix");
  EXPECT_NE(read.out.find("{\"local\":"), std::string::npos) << read.out;
  EXPECT_FALSE(std::filesystem::exists(device + "/clock-offset"));
  EXPECT_EQ(Probe({"--device", device, "gps", "read", "COM7:"}).json["outcome"], "open-failed");
}

}  // namespace
}  // namespace tarvo
