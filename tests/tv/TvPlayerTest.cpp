#include "tv/TvPlayer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "support/TestDevice.h"

namespace tarvo {
namespace {

using testing::TempDir;

class TvPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device_ = testing::OpenTestDevice(dir_.File("phone"));
    ASSERT_TRUE(device_);
  }
  std::string Log() { return dir_.Read("phone/launch.log"); }
  void RemovePlayer() { std::filesystem::remove(dir_.File("phone/fs/Windows/player.exe")); }

  TempDir dir_;
  std::unique_ptr<Device> device_;
};

TEST_F(TvPlayerTest, AnEmptyAddressPlaysNothing) {
  TvPlayer player(*device_);
  EXPECT_EQ(player.Play(u""), TvPlayOutcome::kNoChannel);
  EXPECT_EQ(TvPlayMessage(TvPlayOutcome::kNoChannel), u"未选中要播放的电视！");
  EXPECT_EQ(Log(), "");
}

TEST_F(TvPlayerTest, AnAddressTheDialogWouldRefuseNeverReachesTheShell) {
  TvPlayer player(*device_);
  for (const char16_t* url : {u"MMS://h/x", u"https://h/x", u"file:///etc/passwd", u"\\Windows\\cprog.exe"})
    EXPECT_EQ(player.Play(url), TvPlayOutcome::kRefused);
  EXPECT_EQ(TvPlayMessage(TvPlayOutcome::kRefused), u"播放失败！");
  EXPECT_EQ(Log(), "");
}

TEST_F(TvPlayerTest, WithoutAnAssociationThePlayerIsFoundOnceAndGetsTheAddress) {
  TvPlayer player(*device_);
  EXPECT_EQ(player.Play(u"rtsp:/x"), TvPlayOutcome::kStarted);
  ASSERT_TRUE(player.CachedPlayer().has_value());
  EXPECT_EQ(*player.CachedPlayer(), u"\\Windows\\player.exe");
  const std::string log = Log();
  const size_t open = log.find("\topen\trtsp:/x\t");
  const size_t process = log.find("\tprocess\t\\Windows\\player.exe\trtsp:/x\t");
  ASSERT_NE(open, std::string::npos) << log;
  ASSERT_NE(process, std::string::npos) << log;
  EXPECT_LT(open, process);
  // The path stays cached: a player removed later is still the one started.
  RemovePlayer();
  EXPECT_EQ(player.Play(u"mms://h/y"), TvPlayOutcome::kStartFailed);
}

TEST_F(TvPlayerTest, NoPlayerAnywhereIsSaidAndSearchedAgainNextTime) {
  RemovePlayer();
  TvPlayer player(*device_);
  EXPECT_EQ(player.Play(u"mms://h/x"), TvPlayOutcome::kNoPlayer);
  EXPECT_EQ(TvPlayMessage(TvPlayOutcome::kNoPlayer), u"在您的手机中未发现CorePlayer！");
  EXPECT_FALSE(player.CachedPlayer().has_value());
  dir_.Write("phone/fs/Storage Card/Apps/player.exe", "x");
  EXPECT_EQ(player.Play(u"mms://h/x"), TvPlayOutcome::kStarted);
  EXPECT_EQ(*player.CachedPlayer(), u"\\Storage Card\\Apps\\player.exe");
}

}  // namespace
}  // namespace tarvo
