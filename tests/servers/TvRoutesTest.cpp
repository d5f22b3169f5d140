// The net TV stand-ins: the recommended list made from tv/channels.txt and the clips.
#include "TvRoutes.h"

#include <gtest/gtest.h>

#include "Fetch.h"
#include "StandInServers.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"

namespace tarvo::servers {
namespace {

class TvRoutesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  StandInServers servers_;
};

TEST(TvListText, PathsTakeTheBaseAndCommentsAndBrokenLinesAreLeftOut) {
  EXPECT_EQ(TvListText("; note\nOne\t/tv/1.y4m\r\n\nno tab here\nTwo\tmms://h/x\n", "http://b:9"),
            "#One\r\nhttp://b:9/tv/1.y4m\r\n#Two\r\nmms://h/x\r\n");
}

TEST_F(TvRoutesTest, TheListIsGbkRecordsWhoseClipsAreOnTheServersOwnPort) {
  const auto list = testing::Fetch(servers_.HttpBase() + "/tarvo/tvlist.txt");
  ASSERT_EQ(list.status, 200);
  const std::string text = ToUtf8(FromCodePage(list.body, "GBK"));
  EXPECT_EQ(text.rfind("#Tarvo 测试一台\r\n" + servers_.HttpBase() + "/tv/1.y4m\r\n", 0), 0u) << text;
  EXPECT_NE(list.body, text);  // not UTF-8 on the wire
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST_F(TvRoutesTest, AClipIsAFewSecondsOfSmallYuv4mpeg) {
  const auto clip = testing::Fetch(servers_.HttpBase() + "/tv/2.y4m");
  ASSERT_EQ(clip.status, 200);
  EXPECT_EQ(clip.body.rfind("YUV4MPEG2 W160 H120 F10:1", 0), 0u);
  size_t frames = 0;
  for (size_t at = clip.body.find("FRAME\n"); at != std::string::npos; at = clip.body.find("FRAME\n", at + 1)) ++frames;
  EXPECT_GE(frames, 20u);
  EXPECT_EQ(clip.body, TvClip(2));
  EXPECT_NE(TvClip(1), TvClip(2));
}

TEST_F(TvRoutesTest, OtherClipNamesAreNotFound) {
  for (const char* path : {"/tv/0.y4m", "/tv/100.y4m", "/tv/x.y4m", "/tv/.y4m", "/tv/1.avi"})
    EXPECT_EQ(testing::Fetch(servers_.HttpBase() + path).status, 404) << path;
}

TEST_F(TvRoutesTest, FaultAddressesBendTheList) {
  EXPECT_EQ(testing::Fetch(servers_.HttpBase() + "/_fault/status:404/tarvo/tvlist.txt").status, 404);
  const auto stalled = testing::Fetch(servers_.HttpBase() + "/_fault/stall/tarvo/tvlist.txt",
                                      std::chrono::milliseconds(200));
  EXPECT_EQ(stalled.status, 0);
}

}  // namespace
}  // namespace tarvo::servers
