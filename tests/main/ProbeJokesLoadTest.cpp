// tarvo-probe jokes load: the start-up load on a device against the content
// server, and again from what it stored.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "StandInServers.h"
#include "main/probe/ProbeCommand.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"

namespace tarvo {
namespace {

nlohmann::json Load(const std::string& device, int* code) {
  std::ostringstream out;
  std::ostringstream err;
  *code = probe::RunProbe({"--device", device, "jokes", "load"}, out, err);
  return nlohmann::json::parse(out.str(), nullptr, false);
}

TEST(ProbeJokesLoad, LoadsEveryFileTheLeadNamesThenFromTheDevice) {
  testing::TempDir data;
  // Two jokes a file, in the device's code page (ASCII is the same in GBK).
  data.Write("content/xh/xh00000.txt", "[Info]\r\nStep=2\r\nEnd=2\r\n");
  data.Write("content/xh/xh00001.txt", "#one\r\n#two\r\n");
  data.Write("content/xh/xh00002.txt", "#three\r\n#four\r\n");
  servers::StandInServers servers;
  servers::ServerOptions options;
  options.dataDir = data.Path();
  std::string error;
  ASSERT_TRUE(servers.Start(options, &error)) << error;
  testing::TempDir dir;
  const std::string device = dir.File("phone");
  ASSERT_TRUE(testing::OpenTestDevice(device, servers.HttpPort()));

  int code = -1;
  nlohmann::json first = Load(device, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(first["files"], 2);
  EXPECT_EQ(first["count"], 4);
  EXPECT_EQ(first["complete"], true);
  EXPECT_EQ(first["step"], 2);
  EXPECT_EQ(first["end"], 2);
  EXPECT_EQ(first["lastRead"], 1);

  servers.Stop();  // the files are on the device now
  nlohmann::json again = Load(device, &code);
  EXPECT_EQ(again["count"], 4);
  EXPECT_EQ(again["files"], 2);
}

}  // namespace
}  // namespace tarvo
