#include <gtest/gtest.h>

#include <chrono>

#include "platform/device/Device.h"
#include "platform/device/DeviceProfile.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

TEST(Device, ANewDirectoryIsMadeFromTheTemplate) {
  testing::TempDir dir;
  std::string error;
  auto device = Device::Open(dir.File("phone"), &error);
  ASSERT_TRUE(device) << error;
  EXPECT_EQ(device->Profile().ScreenWidth(), 240);
  EXPECT_EQ(device->CodePage(), "GBK");
  EXPECT_EQ(device->Profile().HotVideoChannels().size(), 11u);
  EXPECT_EQ(device->Profile().TimeServers().size(), 2u);
  for (const char* server : {"ContentServer", "YoukuSearch", "YoukuSite", "SokuBase", "ParsePage",
                             "HotVideo"}) {
    EXPECT_EQ(device->Profile().Server(server).rfind("http://127.0.0.1:", 0), 0u) << server;
  }
  EXPECT_TRUE(device->GetRegistry().KeyExists(RegistryRoot::LocalMachine,
                                              u"SOFTWARE\\Microsoft\\VERSION"));
  // A second open keeps what the first one changed.
  device->GetRegistry().SetNumber(RegistryRoot::ClassesRoot, u"proinfo", u"x", 9);
  auto again = Device::Open(dir.File("phone"), &error);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->GetRegistry().GetNumber(RegistryRoot::ClassesRoot, u"proinfo", u"x"), 9u);
}

TEST(Device, OpeningWithoutCreatingFailsOnAMissingDevice) {
  testing::TempDir dir;
  std::string error;
  EXPECT_FALSE(Device::Open(dir.File("none"), &error, Device::IfMissing::Fail));
  EXPECT_NE(error.find("no device"), std::string::npos);
  dir.Write("file", "x");
  EXPECT_FALSE(Device::Open(dir.File("file"), &error));
}

TEST(DeviceProfile, SectionsAndKeysIgnoreCaseAndCommentsAreSkipped) {
  auto profile = DeviceProfile::Parse(
      "; comment\n[servers]\r\nContentServer = http://127.0.0.1:1 \n# x=y\n"
      "HotVideoChannels= a , ,b,\n[Screen]\nWidth=480\nHeight=abc\n");
  EXPECT_EQ(profile.Server("CONTENTSERVER"), "http://127.0.0.1:1");
  EXPECT_EQ(profile.HotVideoChannels(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(profile.ScreenWidth(), 480);
  EXPECT_EQ(profile.ScreenHeight(), 320);  // not a number: the default
  EXPECT_FALSE(profile.Get("servers", "x"));
}

TEST(DeviceProfile, NetworkTimeOutDefaultsToThirtySeconds) {
  EXPECT_EQ(DeviceProfile::Parse("").NetworkTimeoutMs(), 30000);
  EXPECT_EQ(DeviceProfile::Parse("[network]\ntimeoutms=1000\n").NetworkTimeoutMs(), 1000);
  for (const char* bad : {"0", "-5", "soon", ""}) {
    EXPECT_EQ(DeviceProfile::Parse(std::string("[Network]\nTimeoutMs=") + bad).NetworkTimeoutMs(),
              30000)
        << bad;
  }
}

TEST(DeviceClock, SettingTheTimeMovesOnlyTheDevicesOffset) {
  testing::TempDir dir;
  SystemTime wanted;
  wanted.year = 2009;
  wanted.month = 2;
  wanted.day = 28;
  wanted.hour = 23;
  wanted.minute = 59;
  wanted.second = 30;
  {
    DeviceClock clock(dir.File("clock-offset"), 480);
    const auto hostBefore = std::chrono::system_clock::now();
    ASSERT_TRUE(clock.SetLocalTime(wanted));
    EXPECT_LT(std::chrono::system_clock::now() - hostBefore, std::chrono::hours(1));
    SystemTime utc = clock.GetSystemTime();
    EXPECT_EQ(utc.hour, 15);  // eight hours east of UTC
    EXPECT_EQ(utc.day, 28);
  }
  DeviceClock reopened(dir.File("clock-offset"), 480);
  SystemTime local = reopened.GetLocalTime();
  EXPECT_EQ(local.year, 2009);
  EXPECT_EQ(local.month, 2);
  EXPECT_TRUE(local.day == 28 || local.day == 1);  // a slow machine may cross midnight
}

TEST(DeviceClock, CalendarConversions) {
  SystemTime leap = SystemTimeFromEpochMs(951782400000);  // 2000-02-29 00:00 UTC
  EXPECT_EQ(leap.year, 2000);
  EXPECT_EQ(leap.month, 2);
  EXPECT_EQ(leap.day, 29);
  EXPECT_EQ(leap.dayOfWeek, 2);  // a Tuesday
  EXPECT_EQ(EpochMsFromSystemTime(leap), 951782400000);
  SystemTime bad = leap;
  bad.year = 2001;  // no 29 February
  EXPECT_FALSE(EpochMsFromSystemTime(bad));
  bad = leap;
  bad.hour = 24;
  EXPECT_FALSE(EpochMsFromSystemTime(bad));
  SystemTime before = SystemTimeFromEpochMs(-1);
  EXPECT_EQ(before.year, 1969);
  EXPECT_EQ(before.milliseconds, 999);
}

}  // namespace
}  // namespace tarvo
