// "更新笑话" from the reader's menu against the stand-in content server: up to
// date, new files, a failed lead, and files that all fail.
#include <filesystem>

#include "JokeReaderFixture.h"
#include "jokes/JokeJobs.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;

class JokeReaderUpdateTest : public JokeReaderFixture {
 protected:
  // A copy of the sample data the test may change while the servers run.
  void ServeSampleCopy() {
    std::filesystem::copy(TARVO_SERVER_DATA_DIR, data_.Path(), std::filesystem::copy_options::recursive);
    StartServers(data_.Path());
  }
  void ServeLead(int end) {
    data_.Write("content/xh/xh00000.txt", "[Info]\r\nStep=10\r\nEnd=" + std::to_string(end) + "\r\n");
  }
  void ServeFile(int number) {
    std::string text;
    for (int i = 0; i < 10; ++i) text += "#新笑话" + std::to_string(number) + "-" + std::to_string(i) + "\r\n";
    char name[32];
    std::snprintf(name, sizeof name, "content/xh/xh%05d.txt", number);
    data_.Write(name, ToCodePage(FromUtf8(text), "GBK"));
  }
  size_t Requests(const std::string& target) {
    size_t count = 0;
    for (const auto& request : servers_.Requests()) count += request.target == target ? 1 : 0;
    return count;
  }
  bool SyncOver() {
    return driver_->WaitFor([this] {
      return !app_->Jobs.IsRunning(kJokeSyncJob) && !driver_->GetUi().IsWaitCursor();
    });
  }
  int Count() { return driver_->Invoke([this] { return app_->Jokes.Facts().count; }); }
  void Update() { ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"更新笑话"})); }
  void OpenLoadedReader() {
    ASSERT_TRUE(WaitLoaded());
    OpenReader();
    driver_->Sync();
    ASSERT_FALSE(driver_->ShownMessageBox());
  }

  testing::TempDir data_;
};

TEST_F(JokeReaderUpdateTest, UpToDateThenThreeNewFilesAreCountedAndShown) {
  ServeSampleCopy();
  Launch();
  OpenLoadedReader();
  ASSERT_EQ(Count(), 30);
  Update();
  auto box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"已经是最新笑话。");
  EXPECT_EQ(box->caption, u"Tarvo");
  ASSERT_TRUE(SyncOver());

  ServeLead(6);
  for (int n = 4; n <= 6; ++n) ServeFile(n);
  Update();
  box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"成功更新 30 个笑话");
  ASSERT_TRUE(SyncOver());
  EXPECT_EQ(Count(), 60);
  EXPECT_TRUE(device_->Files().FileExists(u"\\Program Files\\Tarvo\\xh\\xh00006.txt"));
  EXPECT_EQ(device_->GetRegistry().GetNumber(RegistryRoot::ClassesRoot, u"proinfo\\Tarvo XH", u"end"), 6u);
  // The new jokes page in after the old ones.
  TypeInPageBox(u"60");
  TapControl(CJoke::kJumpId);
  EXPECT_EQ(Heading(), u"笑话 60");
  EXPECT_NE(ToUtf8(ShownJoke()).find("新笑话6-9"), std::string::npos) << ToUtf8(ShownJoke());
  EXPECT_FALSE(app_->JokeUpdateInProgress);
}

TEST_F(JokeReaderUpdateTest, AFailedLeadSaysTheUpdateFailedAndKeepsTheJokes) {
  ServeSampleCopy();
  Launch();
  OpenLoadedReader();
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00000.txt", "status:404"));
  Update();
  auto box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"笑话更新失败！");
  ASSERT_TRUE(SyncOver());
  EXPECT_EQ(Count(), 30);
  EXPECT_EQ(Heading(), u"笑话 1");
}

TEST_F(JokeReaderUpdateTest, NewFilesThatAllFailSayNothingAndLeaveNoFile) {
  ServeSampleCopy();
  Launch();
  OpenLoadedReader();
  ServeLead(5);  // files 4 and 5 are not served: each answer is a page without jokes
  Update();
  ASSERT_TRUE(driver_->WaitFor([this] { return Requests("/xh/xh00005.txt") > 0; }));
  ASSERT_TRUE(SyncOver());
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox());
  EXPECT_EQ(Count(), 30);
  EXPECT_FALSE(device_->Files().FileExists(u"\\Program Files\\Tarvo\\xh\\xh00004.txt"));
  EXPECT_FALSE(device_->Files().FileExists(u"\\Program Files\\Tarvo\\xh\\xh00005.txt"));
}

}  // namespace
}  // namespace tarvo
