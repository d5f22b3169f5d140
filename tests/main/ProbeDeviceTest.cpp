#include <gtest/gtest.h>

#include <sstream>

#include "main/probe/ProbeCommand.h"
#include "support/TempDir.h"

namespace tarvo::probe {
namespace {

int Probe(std::vector<std::string> args) {
  std::ostringstream out, err;
  return RunProbe(args, out, err);
}

TEST(ProbeDevice, PointHttpMovesTheHttpServersAndTheWapProxyButNotTheAccountServer) {
  testing::TempDir dir;
  const std::string device = dir.File("dev");
  ASSERT_EQ(Probe({"device", "init", device}), 0);
  dir.Write("dev/device.ini",
            "[Servers]\r\nContentServer=http://127.0.0.1:28080\r\nParsePage=http://127.0.0.1:28080/parse.php\r\n"
            "AccountServer=127.0.0.1:28089\r\nTimeServers=http://127.0.0.1:28080,http://localhost:28080\r\n"
            "WapProxy=127.0.0.1:28080\r\n wapproxy = localhost:28080\r\nOther=127.0.0.1:28080\r\n"
            "Remote=http://10.0.0.1:28080\r\n");
  ASSERT_EQ(Probe({"device", "point-http", device, "41234"}), 0);
  EXPECT_EQ(dir.Read("dev/device.ini"),
            "[Servers]\r\nContentServer=http://127.0.0.1:41234\r\nParsePage=http://127.0.0.1:41234/parse.php\r\n"
            "AccountServer=127.0.0.1:28089\r\nTimeServers=http://127.0.0.1:41234,http://localhost:41234\r\n"
            "WapProxy=127.0.0.1:41234\r\n wapproxy = localhost:41234\r\nOther=127.0.0.1:28080\r\n"
            "Remote=http://10.0.0.1:28080\r\n");
}

TEST(ProbeDevice, PointHttpRefusesABadPort) {
  testing::TempDir dir;
  const std::string device = dir.File("dev");
  ASSERT_EQ(Probe({"device", "init", device}), 0);
  EXPECT_EQ(Probe({"device", "point-http", device, "0"}), 2);
  EXPECT_EQ(Probe({"device", "point-http", device, "65536"}), 2);
}

}  // namespace
}  // namespace tarvo::probe
