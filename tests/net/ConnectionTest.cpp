#include <gtest/gtest.h>

#include <atomic>

#include "net/Connection.h"
#include "net/SearchOutcome.h"

namespace tarvo {
namespace {

// Answers questions as told and records every box.
class RecordingPrompts : public UserPrompts {
 public:
  explicit RecordingPrompts(bool answer) : answer_(answer) {}
  bool AskYesNo(WStringView caption, WStringView text) override {
    shown.push_back(WString(caption) + u"|?" + WString(text));
    return answer_;
  }
  void Tell(WStringView caption, WStringView text) override {
    shown.push_back(WString(caption) + u"|" + WString(text));
  }
  std::vector<WString> shown;

 private:
  bool answer_;
};

DeviceProfile Profile(const std::string& status, const std::string& dial = "1,2,0x10") {
  return DeviceProfile::Parse("[Connectivity]\nStatus=" + status + "\nDialResult=" + dial +
                              "\nDialDelayMs=0\n");
}

TEST(ConnectionType, TheLastConnectedKnownEntryWins) {
  using E = ConnectionEntry;
  EXPECT_EQ(ConnectionTypeName({E{2, 2, 0x10}, E{1, 8, 0x10}}), "VOICE");
  EXPECT_EQ(ConnectionTypeName({E{1, 8, 0x10}, E{2, 2, 0x10}}), "WIFI");
  EXPECT_EQ(ConnectionTypeName({E{2, 2, 0x10}, E{2, 1, 0x10}}), "WIFI");  // unknown pair: no change
  EXPECT_EQ(ConnectionTypeName({E{2, 1, 0x10}}), std::nullopt);
  EXPECT_EQ(ConnectionTypeName({E{7, 1, 0x10}, E{6, 3, 0x20}}), "ACTIVESYNC");  // not connected
  EXPECT_EQ(ConnectionTypeName({}), std::nullopt);
}

TEST(ConnectionType, EntriesFromTheProfile) {
  auto entries = Connectivity::ParseEntries("2,2,0x10; 1, 8 ,16;bad;1,2;3,4,5,6");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].type, 1u);
  EXPECT_EQ(entries[1].subtype, 8u);
  EXPECT_EQ(entries[1].status, 0x10u);
}

TEST(EnsureConnected, AUsableConnectionAsksNothing) {
  auto profile = Profile("1,8,0x10;2,2,0x10");
  Connectivity connectivity(profile);
  RecordingPrompts prompts(true);
  EXPECT_TRUE(EnsureConnected(connectivity, prompts));
  EXPECT_TRUE(prompts.shown.empty());
}

TEST(EnsureConnected, VoiceOnlyOffersToDialAndDeclineShowsNothingMore) {
  auto profile = Profile("1,8,0x10");
  Connectivity connectivity(profile);
  RecordingPrompts prompts(false);
  EXPECT_FALSE(EnsureConnected(connectivity, prompts));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0], u"Tarvo|?检测到您没有连入任何网络，是否拨号上网(将产生流量费)？");
}

TEST(EnsureConnected, ASuccessfulDialReturnsFalseAndTellsTheListeners) {
  auto profile = Profile("");
  Connectivity connectivity(profile);
  std::atomic<uint32_t> heard{0};
  connectivity.AddStatusListener([&](uint32_t status) { heard = status; });
  RecordingPrompts prompts(true);
  EXPECT_FALSE(EnsureConnected(connectivity, prompts));
  EXPECT_EQ(prompts.shown.size(), 1u);  // the question only
  EXPECT_EQ(heard, kConnectionStatusConnected);
  EXPECT_EQ(GetConnectionType(connectivity), "GPRS");
  EXPECT_TRUE(EnsureConnected(connectivity, prompts));
}

TEST(EnsureConnected, AFailedDialSaysSo) {
  auto profile = Profile("", "");
  Connectivity connectivity(profile);
  RecordingPrompts prompts(true);
  EXPECT_FALSE(EnsureConnected(connectivity, prompts));
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[1], u"Tarvo|拨号失败！");
}

TEST(ReportSearchOutcome, MessagesAndResults) {
  auto online = Profile("2,2,0x10");
  Connectivity connectivity(online);
  RecordingPrompts prompts(false);
  EXPECT_TRUE(ReportSearchOutcome(1, true, connectivity, prompts));
  EXPECT_TRUE(ReportSearchOutcome(0, true, connectivity, prompts));
  EXPECT_TRUE(ReportSearchOutcome(-2, true, connectivity, prompts));
  EXPECT_TRUE(ReportSearchOutcome(-3, false, connectivity, prompts));
  EXPECT_FALSE(ReportSearchOutcome(-1, true, connectivity, prompts));
  EXPECT_FALSE(ReportSearchOutcome(7, false, connectivity, prompts));
  EXPECT_EQ(prompts.shown, (std::vector<WString>{u"Tarvo|抱歉,没有找到相关视频", u"Tarvo|抱歉,服务器临时维护.",
                                                 u"Tarvo|搜索失败,可能无法连接服务器或搜索超时."}));
}

TEST(ReportSearchOutcome, OfflineShowsOnlyTheDialPrompt) {
  auto offline = Profile("");
  Connectivity connectivity(offline);
  RecordingPrompts prompts(false);
  EXPECT_FALSE(ReportSearchOutcome(-1, true, connectivity, prompts));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].substr(0, 7), u"Tarvo|?");
}

}  // namespace
}  // namespace tarvo
