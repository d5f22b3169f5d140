// tarvo-probe tvfetch and tvplay on a device at the stand-ins.
#include <gtest/gtest.h>

#include <sstream>

#include "StandInServers.h"
#include "main/probe/ProbeCommand.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"

namespace tarvo {
namespace {

std::string Probe(std::vector<std::string> args) {
  std::ostringstream out, err;
  probe::RunProbe(args, out, err);
  return out.str();
}

class ProbeTvDevice : public ::testing::Test {
 protected:
  void Serve(const std::string& list) {
    data_.Write("content/tarvo/tvlist.txt", ToCodePage(FromUtf8(list), "GBK"));
    servers::ServerOptions options;
    options.dataDir = data_.File("");
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
    ASSERT_TRUE(testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort()));
  }
  testing::TempDir data_;
  testing::TempDir dir_;
  servers::StandInServers servers_;
};

TEST_F(ProbeTvDevice, FetchGivesTheOutcomeAndTheChannels) {
  Serve("#央视\r\nmms://a\r\n");
  EXPECT_EQ(Probe({"tvfetch", "--device", dir_.File("phone")}),
            "{\"channels\":[{\"name\":\"央视\",\"url\":\"mms://a\"}],\"outcome\":\"ok\"}\n");
}

TEST_F(ProbeTvDevice, AListWithoutRecordsIsEmpty) {
  Serve("#");
  EXPECT_EQ(Probe({"tvfetch", "--device", dir_.File("phone")}), "{\"channels\":[],\"outcome\":\"empty\"}\n");
}

TEST_F(ProbeTvDevice, PlayGivesTheMessageAndThePlayerFound) {
  Serve("#");
  EXPECT_EQ(Probe({"tvplay", "rtsp:/x", "--device", dir_.File("phone")}),
            "{\"message\":\"\",\"player\":\"\\\\Windows\\\\player.exe\"}\n");
  EXPECT_EQ(Probe({"tvplay", "https://x", "--device", dir_.File("phone")}),
            "{\"message\":\"播放失败！\",\"player\":null}\n");
}

}  // namespace
}  // namespace tarvo
