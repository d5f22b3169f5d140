// The committed sample data answers every content path the program fetches.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "ContentRoutes.h"
#include "Fetch.h"
#include "StandInServers.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"

namespace tarvo::servers {
namespace {

std::string FileBytes(const std::string& relative) {
  std::ifstream in(std::string(TARVO_SERVER_DATA_DIR) + "/content/" + relative, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The integer after "name=" up to the next ";" or line end (0 when absent).
int Value(const std::string& text, const std::string& name) {
  const size_t at = text.find(name + "=");
  return at == std::string::npos ? 0 : std::atoi(text.c_str() + at + name.size() + 1);
}

class SampleDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  // Fetches the path and checks that it answers the sample file, not a 404 page.
  std::string Served(const std::string& path, const std::string& file) {
    const auto fetched = testing::Fetch(servers_.HttpBase() + path);
    EXPECT_EQ(fetched.status, 200) << path;
    EXPECT_FALSE(fetched.body.empty()) << path;
    EXPECT_EQ(fetched.body, FileBytes(file)) << path;
    return fetched.body;
  }

  StandInServers servers_;
};

TEST_F(SampleDataTest, TheUpdateListOffersNothingNewerAndTheInstallerIsAStandIn) {
  const std::string update = Served("/tarvo/update.txt", "tarvo/update.txt");
  EXPECT_NE(update.find("[Update]\r\n"), std::string::npos);
  EXPECT_NE(update.find("Version=1.15\r\n"), std::string::npos);
}

TEST_F(SampleDataTest, TheInstallerIsMadeOnRequest) {
  const auto fetched = testing::Fetch(servers_.HttpBase() + "/tarvo/update.exe");
  EXPECT_EQ(fetched.status, 200);
  const std::string head = "TARVO STAND-IN INSTALLER 1.16\r\n";
  ASSERT_EQ(fetched.body.size(), head.size() + 300 * 1024);
  EXPECT_EQ(fetched.body.rfind(head, 0), 0u);
  EXPECT_EQ(fetched.body, StandInInstaller());
  bool seen[256] = {};
  for (size_t i = head.size(); i < fetched.body.size(); ++i) seen[static_cast<unsigned char>(fetched.body[i])] = true;
  EXPECT_EQ(std::count(std::begin(seen), std::end(seen), true), 256);
}

TEST_F(SampleDataTest, TheUpdateVariantsAskSilenceAndChannel) {
  auto variant = [](const std::string& name) {
    std::ifstream in(std::string(TARVO_SERVER_DATA_DIR) + "/variants/update/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  };
  EXPECT_EQ(variant("update-ask-1.16.txt"), "[Update]\r\nVersion=1.16\r\nisValid=1\r\nisSilence=0\r\n");
  EXPECT_EQ(variant("update-silent-2.0.txt"), "[Update]\r\nVersion=2.0\r\nisValid=1\r\n");
  EXPECT_NE(variant("update-channel-default.txt").find("[default]\r\nVersion=1.16\r\nisValid=1\r\n"),
            std::string::npos);
}

TEST_F(SampleDataTest, TheTickerLeadAndEveryListFileItNames) {
  const std::string lead = Served("/tarvo/TarvoMsgLead.txt", "tarvo/TarvoMsgLead.txt");
  ASSERT_NE(lead.find("show"), std::string::npos);
  ASSERT_NE(lead.find("frequency"), std::string::npos);
  const int start = Value(lead, "start1"), end = Value(lead, "end1"), step = Value(lead, "step1");
  ASSERT_GT(step, 0);
  ASSERT_LE(start, end);
  EXPECT_EQ(Value(lead, "total1"), 12);
  int messages = 0;
  for (int n = (start - 1) / step + 1; n <= (end - 1) / step + 1; ++n) {
    // Written in UTF-8 with "{{base}}" for the links; served in GBK with the port's base.
    const std::string name = "TarvoMsgList" + std::to_string(n) + ".txt";
    const auto fetched = testing::Fetch(servers_.HttpBase() + "/tarvo/" + name);
    EXPECT_EQ(fetched.status, 200) << name;
    std::string expected = FileBytes("tarvo/" + name + ".utf8");
    for (size_t at = expected.find("{{base}}"); at != std::string::npos; at = expected.find("{{base}}"))
      expected.replace(at, 8, servers_.HttpBase());
    EXPECT_EQ(ToUtf8(FromCodePage(fetched.body, "GBK")), expected) << name;
    EXPECT_NE(fetched.body.find(servers_.HttpBase() + "/article.asp?id=109"), std::string::npos) << name;
    for (size_t at = fetched.body.find("tarvomsg"); at != std::string::npos; at = fetched.body.find("tarvomsg", at + 1))
      ++messages;
  }
  EXPECT_EQ(messages, 12);
}

TEST_F(SampleDataTest, TheJokeLeadAndEveryJokeFileWithStepJokesEach) {
  const std::string lead = Served("/xh/xh00000.txt", "xh/xh00000.txt");
  ASSERT_NE(lead.find("[Info]\r\n"), std::string::npos);
  const int step = Value(lead, "Step"), end = Value(lead, "End");
  ASSERT_GT(step, 0);
  ASSERT_GT(end, 0);
  for (int n = 1; n <= end; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "xh%05d.txt", n);
    const std::string jokes = Served(std::string("/xh/") + name, std::string("xh/") + name);
    ASSERT_EQ(jokes.rfind("#", 0), 0u) << name;
    size_t count = 1;
    for (size_t at = jokes.find("\r\n#"); at != std::string::npos; at = jokes.find("\r\n#", at + 1)) ++count;
    EXPECT_EQ(count, static_cast<size_t>(step)) << name;
    EXPECT_EQ(jokes.substr(jokes.size() - 2), "\r\n") << name;
  }
}

// The recommended TV list is made from tv/channels.txt (TvRoutesTest).
TEST_F(SampleDataTest, TheArticlePage) {
  EXPECT_NE(Served("/article.asp?id=109", "article.asp@id=109").find("<html>"), std::string::npos);
}

}  // namespace
}  // namespace tarvo::servers
