// tarvo-probe ticker refresh, update check and update download against the
// stand-in content server with the sample data.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

#include "ContentRoutes.h"
#include "StandInServers.h"
#include "main/probe/ProbeCommand.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"

namespace tarvo {
namespace {

class ProbeTickerUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
    device_ = dir_.File("phone");
    ASSERT_TRUE(testing::OpenTestDevice(device_, servers_.HttpPort()));
  }
  nlohmann::json Run(const std::vector<std::string>& args, int* code) {
    std::ostringstream out;
    std::ostringstream err;
    *code = probe::RunProbe(args, out, err);
    return nlohmann::json::parse(out.str(), nullptr, false);
  }

  servers::StandInServers servers_;
  testing::TempDir dir_;
  std::string device_;
};

TEST_F(ProbeTickerUpdateTest, TickerRefreshOnceThenNotDue) {
  int code = -1;
  auto first = Run({"--device", device_, "ticker", "refresh"}, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(first["refreshed"], true);
  EXPECT_EQ(first["messages"].size(), 12u);
  EXPECT_EQ(first["lastUpdateTime"].get<std::string>().size(), 20u);
  auto again = Run({"--device", device_, "ticker", "refresh"}, &code);
  EXPECT_EQ(again["refreshed"], false);  // 60 minutes have not passed
}

TEST_F(ProbeTickerUpdateTest, UpdateCheckOfTheSampleOffersNothing) {
  int code = -1;
  auto result = Run({"--device", device_, "update", "check"}, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(result["section"], "Update");
  EXPECT_EQ(result["version"], "1.15");
  EXPECT_EQ(result["action"], "none");
  EXPECT_EQ(result["listFetched"], true);
}

TEST_F(ProbeTickerUpdateTest, UpdateDownloadWritesTheInstallerWithItsTenths) {
  int code = -1;
  const std::string file = dir_.File("installer.exe");
  auto result = Run({"update", "download", servers_.HttpBase() + "/tarvo/update.exe", file}, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(result["complete"], true);
  EXPECT_EQ(result["tenths"], nlohmann::json({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(dir_.Read("installer.exe"), servers::StandInInstaller());
  auto broken = Run({"update", "download", servers_.HttpBase() + "/_fault/reset:4000/tarvo/update.exe", file}, &code);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(broken["complete"], false);
  EXPECT_FALSE(std::ifstream(file).good());  // no partial installer stays
}

}  // namespace
}  // namespace tarvo
