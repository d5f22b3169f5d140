#include "launcher/TickerRefresh.h"

#include <gtest/gtest.h>

#include <map>

#include "launcher/TickerSchedule.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

// A refresh over host files and a registry file, with a fetch that serves
// fixed bodies (GBK) and records what was asked.
class TickerRefreshTest : public ::testing::Test {
 protected:
  TickerRefreshTest() : registry_(dir_.File("registry.ini"), dir_.File("registry.lock")) {
    setup_.files = &files_;
    setup_.registry = &registry_;
    setup_.tempFolder = FromUtf8(dir_.Path() + "/");
    setup_.contentServer = u"http://server";
    setup_.nowUtc = [this] { return now_; };
    setup_.fetch = [this](WStringView url, WStringView path, const StopToken&) {
      fetched_.push_back(ToUtf8(url));
      auto body = bodies_.find(ToUtf8(url));
      if (body != bodies_.end()) files_.WriteAtomically(path, ToCodePage(FromUtf8(body->second), "GBK"));
    };
    now_.year = 2026;
    now_.month = 3;
    now_.day = 5;
    now_.hour = 10;
  }
  void Serve(const std::string& name, const std::string& utf8) { bodies_["http://server/tarvo/" + name] = utf8; }
  std::optional<WString> StoredTime() {
    return registry_.GetString(RegistryRoot::ClassesRoot, kTickerRegistryKey, kTickerLastUpdateValue);
  }
  bool LeadExists() { return files_.FileExists(setup_.tempFolder + kTickerLeadName); }

  testing::TempDir dir_;
  HostFileAccess files_;
  Registry registry_;
  TickerRefreshSetup setup_;
  SystemTime now_;
  std::map<std::string, std::string> bodies_;
  std::vector<std::string> fetched_;
  StopToken stop_;
};

constexpr char kLead[] =
    "show=1;frequency=60;type=4;count=1;total1=25;start1=3;end1=12;step1=10;";

std::string ListOf(int count, const std::string& tag) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    const std::string n = std::to_string(i);
    text += "tarvomsg" + n + "=" + tag + n + ";action" + n + "=1;url" + n + "=http://x/" + tag + n + ";\r\n";
  }
  return text;
}

TEST_F(TickerRefreshTest, ThreeToTwelveStepTenReadsTwoFiles) {
  Serve("TarvoMsgLead.txt", kLead);
  Serve("TarvoMsgList1.txt", ListOf(10, "甲"));
  Serve("TarvoMsgList2.txt", ListOf(10, "乙"));
  auto result = RefreshTicker(setup_, stop_);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->config.frequency, 60);
  ASSERT_TRUE(result->messages);
  std::vector<WString> texts;
  for (const auto& m : *result->messages) texts.push_back(m.text);
  EXPECT_EQ(texts, (std::vector<WString>{u"甲3", u"甲4", u"甲5", u"甲6", u"甲7", u"甲8", u"甲9", u"甲10",
                                         u"乙1", u"乙2"}));
  EXPECT_EQ(result->messages->front().url, u"http://x/甲3");
  EXPECT_EQ(fetched_, (std::vector<std::string>{"http://server/tarvo/TarvoMsgLead.txt",
                                                "http://server/tarvo/TarvoMsgList1.txt",
                                                "http://server/tarvo/TarvoMsgList2.txt"}));
  EXPECT_EQ(StoredTime(), u"2026-03-05  10:00:00");
  EXPECT_EQ(registry_.GetNumber(RegistryRoot::ClassesRoot, kTickerRegistryKey, kTickerFrequencyValue), 60u);
}

TEST_F(TickerRefreshTest, ALeadWithoutFrequencyIsDeletedAndChangesNothing) {
  Serve("TarvoMsgLead.txt", "show=1;type=4;count=1;");
  EXPECT_FALSE(RefreshTicker(setup_, stop_));
  EXPECT_FALSE(LeadExists());
  EXPECT_FALSE(StoredTime());
  EXPECT_EQ(fetched_.size(), 1u);
}

TEST_F(TickerRefreshTest, NoLeadChangesNothing) {
  EXPECT_FALSE(RefreshTicker(setup_, stop_));
  EXPECT_FALSE(StoredTime());
}

TEST_F(TickerRefreshTest, FiftyNineMinutesAfterTheLastIsNotDueSixtyIs) {
  Serve("TarvoMsgLead.txt", kLead);
  registry_.CreateKey(RegistryRoot::ClassesRoot, kTickerRegistryKey);
  registry_.SetString(RegistryRoot::ClassesRoot, kTickerRegistryKey, kTickerLastUpdateValue,
                      u"2026-03-05  09:01:00");
  registry_.SetNumber(RegistryRoot::ClassesRoot, kTickerRegistryKey, kTickerFrequencyValue, 60);
  EXPECT_FALSE(RefreshTicker(setup_, stop_));
  EXPECT_TRUE(fetched_.empty());
  now_.minute = 1;
  EXPECT_TRUE(RefreshTicker(setup_, stop_));
  EXPECT_EQ(StoredTime(), u"2026-03-05  10:01:00");
  // Replayed at once: the refresh just written holds the next one off.
  fetched_.clear();
  EXPECT_FALSE(RefreshTicker(setup_, stop_));
  EXPECT_TRUE(fetched_.empty());
}

TEST_F(TickerRefreshTest, ANegativeFrequencyIsAlwaysDue) {
  Serve("TarvoMsgLead.txt", "show=1;frequency=-5;type=1;count=0;");
  EXPECT_TRUE(RefreshTicker(setup_, stop_));
  EXPECT_EQ(registry_.GetNumber(RegistryRoot::ClassesRoot, kTickerRegistryKey, kTickerFrequencyValue),
            static_cast<uint32_t>(-5));
  EXPECT_TRUE(RefreshTicker(setup_, stop_));  // stored as 4294967291, read as −5
  EXPECT_EQ(fetched_.size(), 2u);
}

TEST_F(TickerRefreshTest, WithoutMessageKindOrGroupTheListStays) {
  Serve("TarvoMsgLead.txt", "show=0;frequency=60;type=1;count=1;total1=25;start1=3;end1=12;step1=10;");
  auto result = RefreshTicker(setup_, stop_);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->config.show, 0);
  EXPECT_FALSE(result->messages);
  EXPECT_EQ(fetched_.size(), 1u);
}

TEST_F(TickerRefreshTest, AListWithoutMessagesAddsNone) {
  Serve("TarvoMsgLead.txt", kLead);
  Serve("TarvoMsgList1.txt", "<html>404</html>");
  Serve("TarvoMsgList2.txt", ListOf(2, "乙"));
  auto result = RefreshTicker(setup_, stop_);
  ASSERT_TRUE(result && result->messages);
  EXPECT_EQ(result->messages->size(), 2u);
}

TEST_F(TickerRefreshTest, AStoppedRefreshWritesNothing) {
  Serve("TarvoMsgLead.txt", kLead);
  setup_.fetch = [this](WStringView, WStringView, const StopToken&) { stop_.Request(); };
  EXPECT_FALSE(RefreshTicker(setup_, stop_));
  EXPECT_FALSE(StoredTime());
}

}  // namespace
}  // namespace tarvo
