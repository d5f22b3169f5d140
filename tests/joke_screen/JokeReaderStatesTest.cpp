// The reader's openings: the reminder (and when it stays away), the wait
// for the first file, an empty list, an update while offline, and how it
// looks next to its reference pictures.
#include "JokeReaderFixture.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

class JokeReaderStatesTest : public JokeReaderFixture {};

constexpr char kReminder[] =
    "笑话更新失败，请在成功连网时点击“选项”中的“更新笑话”。\n是否不再显示此提醒？";

TEST_F(JokeReaderStatesTest, AnIncompleteLoadRemindsUntilYesIsAnswered) {
  StartServers();
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00000.txt", "status:404"));
  Launch();
  ASSERT_TRUE(WaitLoaded());
  ASSERT_TRUE(Engine().TapText(u"笑口常开"));
  auto box = Answer(u"否");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, FromUtf8(kReminder));
  EXPECT_EQ(box->caption, u"Tarvo");
  ASSERT_TRUE(driver_->WaitForDialog(u"笑口常开"));
  ASSERT_TRUE(driver_->WaitFor([this] {
    ui::Window* owner = driver_->GetUi().FrameOwner();
    return owner != nullptr && owner->ShowsOkButton();
  }));
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  ASSERT_TRUE(Engine().TapText(u"笑口常开"));
  ASSERT_TRUE(Answer(u"是"));
  EXPECT_NE(Config().find("update_prompt=1"), std::string::npos);
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  OpenReader();
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox());
}

TEST_F(JokeReaderStatesTest, ACompleteLoadDoesNotRemind) {
  ASSERT_NO_FATAL_FAILURE(LaunchAndOpenReader());
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox());
}

TEST_F(JokeReaderStatesTest, OpenedBeforeTheFirstFileTheReaderWaitsWithoutReminding) {
  StartServers();
  PreparePhone();
  AddToProfile("\r\n[Network]\r\nTimeoutMs=2500\r\n");
  StoreLead(10, 3);  // the load begins with file 1, to be fetched
  // The first try at file 1 hangs until the fetch gives up; the second gets it.
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00001.txt", "stall", 1));
  Launch();
  ASSERT_TRUE(driver_->WaitFor([this] { return Requests("/xh/xh00001.txt") == 1; }));
  OpenReader();
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox());
  EXPECT_FALSE(driver_->Invoke([this] { return app_->Jokes.Facts().firstFileDone; }));
  EXPECT_TRUE(driver_->Invoke([this] { return driver_->GetUi().IsWaitCursor(); }));
  EXPECT_EQ(ShownJoke(), u"");
  ASSERT_TRUE(driver_->WaitFor([this] { return !driver_->GetUi().IsWaitCursor(); }));
  EXPECT_EQ(ShownJoke().rfind(u"    小刘第一次坐飞机", 0), 0u);
  EXPECT_EQ(Heading(), u"笑话 1");
  EXPECT_FALSE(driver_->ShownMessageBox());
}

TEST_F(JokeReaderStatesTest, WhileTheLoadRunsTheReaderOpensWithoutRemindingAndAfterItDoes) {
  StartServers();
  PreparePhone();
  AddToProfile("\r\n[Network]\r\nTimeoutMs=1500\r\n");
  StoreLead(10, 4);  // files 1 to 3 of the four come before the lead
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00000.txt", "stall"));  // the lead never comes
  Launch();
  ASSERT_TRUE(driver_->WaitFor([this] { return Requests("/xh/xh00000.txt") == 1; }));
  OpenReader();
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox());
  EXPECT_FALSE(driver_->Invoke([this] { return app_->Jokes.Facts().loaded; }));
  EXPECT_EQ(ShownJoke().rfind(u"    小刘第一次坐飞机", 0), 0u);
  // The load ends without its lead: incomplete. The open reader says nothing; the next opening reminds.
  ASSERT_TRUE(WaitLoaded());
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox());
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  ASSERT_TRUE(Engine().TapText(u"笑口常开"));
  auto box = Answer(u"否");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, FromUtf8(kReminder));
}

TEST_F(JokeReaderStatesTest, AnEmptyListPagesNothingAndTheJumpSaysTheJokesFailedToLoad) {
  StartServers();
  ASSERT_TRUE(servers_.ArmFault("/xh/", "status:404"));
  Launch("[Joke]\r\nAutoPrompt=1\r\nupdate_prompt=1\r\n");
  ASSERT_TRUE(WaitLoaded());
  OpenReader();
  TapControl(CJoke::kNextId);
  TapControl(CJoke::kPreviousId);
  EXPECT_FALSE(driver_->ShownMessageBox());
  TapControl(CJoke::kJumpId);
  auto box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"笑话加载失败！");
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"经短信发送"}));
  driver_->Sync();
  EXPECT_NE(LaunchLog().find("-body \"\"\t"), std::string::npos) << LaunchLog();
}

TEST_F(JokeReaderStatesTest, UpdatingOfflineOnlyOffersTheDial) {
  StartServers();
  PrepareOfflinePhone("");
  Launch("[Joke]\r\nAutoPrompt=1\r\nupdate_prompt=1\r\n");
  ASSERT_TRUE(WaitLoaded());
  OpenReader();
  // Only the joke files count: the launcher's ticker refresh may still be asking.
  auto jokeRequests = [this] {
    size_t count = 0;
    for (const auto& request : servers_.Requests()) count += request.target.rfind("/xh/", 0) == 0 ? 1 : 0;
    return count;
  };
  const size_t before = jokeRequests();
  ASSERT_GT(before, 0u);  // the start-up load reached the stand-in
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"更新笑话"}));
  auto box = Answer(u"否");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"检测到您没有连入任何网络，是否拨号上网(将产生流量费)？");
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox());
  EXPECT_EQ(jokeRequests(), before);
  EXPECT_FALSE(app_->JokeUpdateInProgress);
}

TEST_F(JokeReaderStatesTest, ScreensAtBothSizesMatchTheirReferences) {
  for (auto [w, h] : {std::pair{240, 320}, std::pair{480, 800}}) {
    const std::string size = std::to_string(w) + "x" + std::to_string(h);
    StartServers();
    // Files 1 to 3 of the four the last lead named load; the lead fails: the reminder shows.
    StoreLead(10, 4);
    ASSERT_TRUE(servers_.ArmFault("/xh/xh00000.txt", "status:404"));
    Launch("[Joke]\r\nAutoPrompt=1\r\n", w, h);
    ASSERT_TRUE(WaitLoaded());
    ASSERT_TRUE(Engine().TapText(u"笑口常开"));
    auto reminder = driver_->WaitForMessageBox();
    ASSERT_TRUE(reminder);
    EXPECT_EQ(reminder->text, FromUtf8(kReminder));
    EXPECT_TRUE(testing::MatchesReferencePng(driver_->Screenshot(), "joke-reminder-" + size + ".png"));
    Answer(u"否");
    ASSERT_TRUE(driver_->WaitForDialog(u"笑口常开"));
    TypeInPageBox(u"28");
    TapControl(CJoke::kJumpId);
    EXPECT_EQ(Heading(), u"笑话 28");
    EXPECT_TRUE(testing::MatchesReferencePng(driver_->Screenshot(), "joke-long-" + size + ".png"));
    TypeInPageBox(u"99");
    TapControl(CJoke::kJumpId);
    ASSERT_TRUE(driver_->WaitForMessageBox());
    EXPECT_TRUE(testing::MatchesReferencePng(driver_->Screenshot(), "joke-jump-error-" + size + ".png"));
    driver_->AnswerMessageBox(u"确定");
    TearDown();
    driver_.reset();
    app_.reset();
    device_.reset();
    std::filesystem::remove_all(dir_.File("phone"));  // the next size starts on a new phone
  }
}

}  // namespace
}  // namespace tarvo
