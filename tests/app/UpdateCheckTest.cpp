#include "app/UpdateCheck.h"

#include <gtest/gtest.h>

#include "app/IniFile.h"
#include "net/DownloadWithProgress.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

// A check over host files and a registry file; the list, the question, the
// download and the shell are fakes that record what they were asked.
class UpdateCheckTest : public ::testing::Test {
 protected:
  UpdateCheckTest() : registry_(dir_.File("registry.ini"), dir_.File("registry.lock")) {
    setup_.files = &files_;
    setup_.registry = &registry_;
    setup_.contentServer = u"http://server";
    setup_.programDir = u"\\Program Files\\Tarvo\\";
    setup_.appVersion = u"1.15";
    setup_.updateInfoPath = Path("TarvoUpdate.txt");
    setup_.updaterPath = Path("TarvoUpdate.exe");
    setup_.fetchList = [this](WStringView url, WStringView path) {
      ++listFetches_;
      EXPECT_EQ(url, u"http://server/tarvo/update.txt");
      if (list_) files_.WriteAtomically(path, *list_);
    };
    setup_.ask = [this](const WString& text) {
      questions_.push_back(text);
      return answer_;
    };
    setup_.download = [this](WStringView url, WStringView path) {
      EXPECT_EQ(url, u"http://server/tarvo/update.exe");
      files_.WriteAtomically(path, "installer");
      return whole_;
    };
    setup_.shellOpen = [this](WStringView path) {
      opened_.push_back(WString(path));
      return true;
    };
    setup_.handOverPath = Path("Tarvo.ini");
  }
  WString Path(const std::string& name) { return FromUtf8(dir_.File(name)); }
  void SetChannel(WStringView channel) {
    registry_.CreateKey(RegistryRoot::ClassesRoot, kChannelKey);
    registry_.SetString(RegistryRoot::ClassesRoot, kChannelKey, kChannelValue, channel);
  }

  testing::TempDir dir_;
  HostFileAccess files_;
  Registry registry_;
  UpdateCheckSetup setup_;
  std::optional<std::string> list_;
  int listFetches_ = 0;
  std::vector<WString> questions_;
  bool answer_ = true;
  bool whole_ = true;
  std::vector<WString> opened_;
};

TEST_F(UpdateCheckTest, TheRunningVersionIsNoUpdate) {
  list_ = "[Update]\r\nVersion=1.15\r\nisValid=1\r\nisSilence=0\r\n";
  auto result = RunUpdateCheck(setup_);
  EXPECT_FALSE(result.installerStarted);
  EXPECT_TRUE(questions_.empty());
  EXPECT_TRUE(opened_.empty());
  EXPECT_EQ(listFetches_, 1);
}

TEST_F(UpdateCheckTest, OneSixteenAsksAndYesStartsTheInstaller) {
  list_ = "[Update]\r\nVersion=1.16\r\nisValid=1\r\nisSilence=0\r\n";
  auto result = RunUpdateCheck(setup_);
  ASSERT_EQ(questions_.size(), 1u);
  EXPECT_EQ(questions_[0], u"\n发现新的版本，是否升级？  \n目前版本是 V1.15\n新的版本是 V1.16");
  EXPECT_TRUE(result.installerStarted);
  EXPECT_EQ(opened_, std::vector<WString>{Path("TarvoUpdate.exe")});
  EXPECT_EQ(dir_.Read("Tarvo.ini"), "[Tarvo]\r\nTarvoPath=\\Program Files\\Tarvo\\\r\n");
}

TEST_F(UpdateCheckTest, NoLeavesEverythingAndAsksAgainNextTime) {
  list_ = "[Update]\r\nVersion=1.16\r\nisValid=1\r\nisSilence=0\r\n";
  answer_ = false;
  EXPECT_FALSE(RunUpdateCheck(setup_).installerStarted);
  EXPECT_FALSE(RunUpdateCheck(setup_).installerStarted);
  EXPECT_EQ(questions_.size(), 2u);
  EXPECT_TRUE(opened_.empty());
  EXPECT_FALSE(files_.FileExists(setup_.updaterPath));
}

TEST_F(UpdateCheckTest, TwoPointZeroWithoutIsSilenceIsSilent) {
  list_ = "[Update]\r\nVersion=2.0\r\nisValid=1\r\n";
  EXPECT_TRUE(RunUpdateCheck(setup_).installerStarted);
  EXPECT_TRUE(questions_.empty());
}

TEST_F(UpdateCheckTest, APartialInstallerIsNeverStartedAndIsDeleted) {
  list_ = "[Update]\r\nVersion=2.0\r\nisValid=1\r\n";
  whole_ = false;
  EXPECT_FALSE(RunUpdateCheck(setup_).installerStarted);
  EXPECT_TRUE(opened_.empty());
  EXPECT_FALSE(files_.FileExists(setup_.updaterPath));
}

TEST_F(UpdateCheckTest, AChannelSectionIsUsedUnlessItIsTheFirst) {
  SetChannel(u"default");
  list_ = "[Update]\r\nVersion=1.15\r\nisValid=1\r\n[default]\r\nVersion=1.16\r\nisValid=1\r\nisSilence=1\r\n";
  auto later = RunUpdateCheck(setup_);
  EXPECT_EQ(later.decision.section, u"default");
  EXPECT_TRUE(later.installerStarted);
  list_ = "[default]\r\nVersion=1.16\r\nisValid=1\r\n[Update]\r\nVersion=1.15\r\nisValid=1\r\n";
  auto first = RunUpdateCheck(setup_);
  EXPECT_EQ(first.decision.section, u"Update");  // chosen afresh, not kept from the last check
  EXPECT_FALSE(first.installerStarted);
}

TEST_F(UpdateCheckTest, AFailedFetchNeverDecidesOnTheLastChecksFile) {
  files_.WriteAtomically(setup_.updateInfoPath, "[Update]\r\nVersion=2.0\r\nisValid=1\r\n");
  EXPECT_FALSE(RunUpdateCheck(setup_).installerStarted);
  EXPECT_EQ(listFetches_, 2);  // fetched once more when the file was missing afterwards
  EXPECT_TRUE(opened_.empty());
}

TEST(DownloadTenths, WithALengthByBytesWithoutOnePerRead) {
  DownloadTenths known(100);
  EXPECT_EQ(known.AfterRead(9), 0);
  EXPECT_EQ(known.AfterRead(10), 1);
  EXPECT_EQ(known.AfterRead(55), 5);
  EXPECT_EQ(known.AfterRead(100), 10);
  DownloadTenths unknown(0);
  for (int read = 1; read <= 10; ++read) EXPECT_EQ(unknown.AfterRead(read * 1023), read);
  EXPECT_EQ(unknown.AfterRead(99999), 10);
  DownloadTenths tiny(7);  // below 10: counted per read too
  EXPECT_EQ(tiny.AfterRead(7), 1);
}

}  // namespace
}  // namespace tarvo
