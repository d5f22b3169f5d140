// The ticker's refresh end to end against the stand-in content server,
// its faults, its watchdog and the launcher's exit during a stall.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "TickerScreenFixture.h"
#include "launcher/TickerJobs.h"
#include "platform/ui/automation/UiAutomation.h"

namespace tarvo {
namespace {

constexpr char16_t kLeadOnPhone[] = u"\\Program Files\\Tarvo\\temp\\TarvoMsgLead.txt";

class TickerFlowTest : public TickerScreenFixture {
 protected:
  // The sample data's lead and lists, as scripts/run serves them.
  void ServeSample() {
    for (const char* name : {"TarvoMsgLead.txt", "TarvoMsgList1.txt.utf8", "TarvoMsgList2.txt.utf8"}) {
      std::ifstream in(std::string(TARVO_SERVER_DATA_DIR) + "/content/tarvo/" + name, std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      WriteContent(std::string("tarvo/") + name, bytes.str());
    }
  }
  bool RefreshEnded() {
    return driver_->WaitFor([this] { return !app_->Jobs.IsRunning(kTickerRefreshJob); });
  }
  std::optional<WString> StoredTime() {
    return device_->GetRegistry().GetString(RegistryRoot::ClassesRoot, kTickerRegistryKey, kTickerLastUpdateValue);
  }
};

TEST_F(TickerFlowTest, TheSampleRefreshBringsTwelveMessagesAndWritesTheTime) {
  ServeSample();
  Launch();
  ASSERT_TRUE(WaitRefreshed(12));
  auto messages = OnTicker([](const Ticker& t) { return t.Messages(); });
  EXPECT_EQ(messages.front().text, u"欢迎使用 Tarvo，轻点这里看今日文章");
  EXPECT_EQ(ToUtf8(messages.front().url), servers_.HttpBase() + "/article.asp?id=109");
  EXPECT_EQ(OnTicker([](const Ticker& t) { return t.Config().types; }), 5);
  auto stored = StoredTime();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->size(), 20u);
  EXPECT_EQ(device_->GetRegistry().GetNumber(RegistryRoot::ClassesRoot, kTickerRegistryKey, kTickerFrequencyValue),
            60u);
  // The watchdog sleeps between rounds: it does not keep the program busy.
  EXPECT_TRUE(driver_->GetUi().Workers().WaitUntilIdle(std::chrono::milliseconds(5000)));
}

TEST_F(TickerFlowTest, ALeadThatIsAnErrorPageOrGarbageIsDeletedAndNothingIsWritten) {
  for (const char* kind : {"status:404", "garbage"}) {
    SCOPED_TRACE(kind);
    ServeSample();
    servers_.DisarmFaults();
    if (servers_.HttpPort() == 0) StartServers();
    ASSERT_TRUE(servers_.ArmFault("/tarvo/TarvoMsgLead.txt", kind));
    Launch();
    ASSERT_TRUE(RefreshEnded());
    EXPECT_FALSE(device_->Files().FileExists(kLeadOnPhone));
    EXPECT_FALSE(StoredTime());
    EXPECT_EQ(OnTicker([](const Ticker& t) { return t.Config().frequency; }), 1440);  // the initial one
    TearDown();
    app_.reset();
    device_.reset();
  }
}

TEST_F(TickerFlowTest, AMissingListFileAddsNoMessagesButTheRefreshCounts) {
  ServeSample();
  StartServers();
  ASSERT_TRUE(servers_.ArmFault("/tarvo/TarvoMsgList1.txt", "status:404"));
  Launch();
  ASSERT_TRUE(WaitRefreshed(6));  // the second file's six
  EXPECT_EQ(OnTicker([](const Ticker& t) { return t.Messages().front().text; }), u"网站云集收好了常用网站，一点就到");
  EXPECT_TRUE(StoredTime());
}

TEST_F(TickerFlowTest, TheWatchdogTriesAgainAfterAFailedRefresh) {
  ServeSample();
  StartServers();
  ASSERT_TRUE(servers_.ArmFault("/tarvo/TarvoMsgLead.txt", "status:404", 1));
  // A short round, written into the phone's profile before it opens.
  device_ = testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort());
  device_.reset();
  std::string profile = dir_.Read("phone/device.ini");
  const size_t at = profile.find("TickerWatchdogMs=1800000");
  ASSERT_NE(at, std::string::npos);
  profile.replace(at, 24, "TickerWatchdogMs=100");
  dir_.Write("phone/device.ini", profile);
  Launch();
  ASSERT_TRUE(WaitRefreshed(12));
}

TEST_F(TickerFlowTest, TheLauncherEndsWithinThreeSecondsWhileTheLeadStalls) {
  ServeSample();
  StartServers();
  ASSERT_TRUE(servers_.ArmFault("/tarvo/TarvoMsgLead.txt", "stall"));
  Launch();
  ASSERT_TRUE(driver_->WaitFor([this] { return app_->Jobs.IsRunning(kTickerRefreshJob); }));
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(driver_->Engine().TapText(u"退出").ok);
  ASSERT_TRUE(WaitFinished(std::chrono::milliseconds(5000)));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_FALSE(StoredTime());
}

}  // namespace
}  // namespace tarvo
