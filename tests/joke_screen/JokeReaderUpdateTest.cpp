// "更新笑话" from the reader's menu against the stand-in content server: up to
// date, new files, a failed lead, files that all fail, and a sync that makes
// the collection whole.
#include "JokeReaderFixture.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

class JokeReaderUpdateTest : public JokeReaderFixture {};

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

TEST_F(JokeReaderUpdateTest, ASyncThatMakesTheCollectionWholeEndsTheReminder) {
  ServeSampleCopy();
  StoreLead(10, 4);  // the load finds three of four files
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00000.txt", "status:404", 2));  // both of the load's tries at the lead
  Launch();
  ASSERT_TRUE(WaitLoaded());
  ASSERT_TRUE(Engine().TapText(u"笑口常开"));
  auto box = Answer(u"否");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"笑话更新失败，请在成功连网时点击“选项”中的“更新笑话”。\n是否不再显示此提醒？");
  ASSERT_TRUE(driver_->WaitForDialog(u"笑口常开"));
  ServeLead(4);
  ServeFile(4);
  Update();
  box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"成功更新 10 个笑话");
  ASSERT_TRUE(SyncOver());
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  OpenReader();
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox());
  EXPECT_EQ(Count(), 40);
}

}  // namespace
}  // namespace tarvo
