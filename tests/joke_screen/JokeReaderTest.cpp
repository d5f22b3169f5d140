// The reader from the launcher's tap over the stand-in jokes (three files of
// ten): paging, the jump, the last page, closing, sharing and the hint.
#include <sys/stat.h>

#include <filesystem>

#include "JokeReaderFixture.h"
#include "platform/text/Utf8.h"

namespace tarvo {
namespace {

using ui::Point;

class JokeReaderTest : public JokeReaderFixture {
 protected:
  // Opens the reader, goes to joke 7 and shares it by "经短信发送".
  void ShareJokeSevenBySms() {
    ASSERT_NO_FATAL_FAILURE(LaunchAndOpenReader());
    TypeInPageBox(u"7");
    TapControl(CJoke::kJumpId);
    ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"经短信发送"}));
  }
};

TEST_F(JokeReaderTest, ButtonsAndTheHalvesOfTheTextTurnPages) {
  ASSERT_NO_FATAL_FAILURE(LaunchAndOpenReader());
  EXPECT_EQ(Heading(), u"笑话 1");
  EXPECT_EQ(ShownJoke().rfind(u"    小刘第一次坐飞机", 0), 0u);
  TapControl(CJoke::kNextId);
  EXPECT_EQ(Heading(), u"笑话 2");
  const ui::Rect text = TextRect();
  const int y = text.top + 10;
  const int w = text.Width();
  driver_->Tap(Point{text.left + w / 2 + 1, y});  // first pixel of the right half
  driver_->Sync();
  EXPECT_EQ(Heading(), u"笑话 3");
  driver_->Tap(Point{text.left + w / 2 - 2, y});  // last pixel of the left half
  driver_->Sync();
  EXPECT_EQ(Heading(), u"笑话 2");
  driver_->Tap(Point{text.left + w / 2 - 1, y});  // the two middle pixels turn nothing
  driver_->Tap(Point{text.left + w / 2, y});
  driver_->Sync();
  EXPECT_EQ(Heading(), u"笑话 2");
  driver_->Drag(Point{text.left + w - 10, y}, Point{text.left + w - 40, y + 20});
  driver_->Sync();
  EXPECT_EQ(Heading(), u"笑话 2");
  TapControl(CJoke::kPreviousId);
  EXPECT_EQ(Heading(), u"笑话 1");
  TapControl(CJoke::kPreviousId);
  auto box = Answer(u"确定");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"已经是第一页！");
  EXPECT_EQ(box->caption, u"Tarvo");
  EXPECT_EQ(Heading(), u"笑话 1");
}

TEST_F(JokeReaderTest, AJumpOutsideOneToCountIsRefusedAndAGoodNumberGoesThereByEnter) {
  ASSERT_NO_FATAL_FAILURE(LaunchAndOpenReader());
  for (WStringView typed : {u"0", u"31", u"abc", u"100000000001"}) {
    TypeInPageBox(typed);
    TapControl(CJoke::kJumpId);
    auto box = Answer(u"确定");
    ASSERT_TRUE(box) << ToUtf8(typed);
    EXPECT_EQ(box->text, u"请输入1与30之间的数字");
    EXPECT_EQ(box->caption, u"输入错误！");
    EXPECT_EQ(box->icon, ui::MessageIcon::Exclamation);
    EXPECT_EQ(Heading(), u"笑话 1");
  }
  TypeInPageBox(u"17");
  driver_->Key(ui::keys::kReturn);
  driver_->Sync();
  EXPECT_EQ(Heading(), u"笑话 17");
  EXPECT_EQ(driver_->TopCaption(), u"笑口常开");  // Enter did not close the reader
}

TEST_F(JokeReaderTest, AtTheLastPageNoStaysAndYesSaysTheJokesAreUpToDate) {
  ASSERT_NO_FATAL_FAILURE(LaunchAndOpenReader());
  TypeInPageBox(u"30");
  TapControl(CJoke::kJumpId);
  TapControl(CJoke::kNextId);
  auto box = Answer(u"否");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"已至最后一页,是否更新笑话？");
  EXPECT_EQ(Heading(), u"笑话 30");
  TapControl(CJoke::kNextId);
  Answer(u"是");
  auto told = Answer(u"确定");
  ASSERT_TRUE(told);
  EXPECT_EQ(told->text, u"已经是最新笑话。");
  EXPECT_EQ(told->caption, u"Tarvo");
}

TEST_F(JokeReaderTest, EveryWayOfClosingWritesLastPage) {
  ASSERT_NO_FATAL_FAILURE(LaunchAndOpenReader());
  TapControl(CJoke::kNextId);
  TapControl(CJoke::kNextId);
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  EXPECT_EQ(LastPage(), 3u);
  OpenReader();
  EXPECT_EQ(Heading(), u"笑话 3");
  TapControl(CJoke::kNextId);
  driver_->Key(ui::keys::kEscape);
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  EXPECT_EQ(LastPage(), 4u);
  EXPECT_EQ(app_->Jokes.LastRead(), 4);
}

TEST_F(JokeReaderTest, SharingHandsTheJokeToTheMessagingProgramWithCurlyQuotes) {
  ASSERT_NO_FATAL_FAILURE(ShareJokeSevenBySms());
  driver_->Sync();
  const std::string log = LaunchLog();
  EXPECT_NE(log.find("\\Windows\\tmail.exe\t-service \"SMS\" -to \"\" -body \"    顾客问服务员：“这汤里怎么有只苍蝇？”"
                     "服务员说：“别喊，大家都想要。"),
            std::string::npos)
      << log;
  // The line end kept with the joke comes before the closing quote (the log shows it as blanks).
  EXPECT_NE(log.find("大家都想要。  \"\t"), std::string::npos) << log;
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"经邮件发送"}));
  driver_->Sync();
  EXPECT_NE(LaunchLog().find("-service \"ActiveSync\" -to \"\" -body \"    顾客问"), std::string::npos);
}

TEST_F(JokeReaderTest, AMappedMessagingProgramGetsTheWholeLineAsItsOneArgument) {
  StartServers();
  PreparePhone();
  // The stand-in messaging program writes how many arguments it got, then each in brackets.
  const std::string received = dir_.File("tmail-args.txt");
  dir_.Write("tmail.sh", "#!/bin/sh\n{ printf '%s\\n' \"$#\"; for a in \"$@\"; do printf '[%s]' \"$a\"; done; } > \"" +
                             received + ".part\" && mv \"" + received + ".part\" \"" + received + "\"\n");
  ASSERT_EQ(chmod(dir_.File("tmail.sh").c_str(), 0755), 0);
  SetProfileLine("\\Windows\\tmail.exe", "\"" + dir_.File("tmail.sh") + "\"");
  ASSERT_NO_FATAL_FAILURE(ShareJokeSevenBySms());
  ASSERT_TRUE(driver_->WaitFor([&] { return std::filesystem::exists(received); }, std::chrono::milliseconds(5000)));
  EXPECT_EQ(dir_.Read("tmail-args.txt"),
            "1\n[-service \"SMS\" -to \"\" -body \"    顾客问服务员：“这汤里怎么有只苍蝇？”服务员说：“别喊，大家都想要。\r\n\"]");
  EXPECT_NE(LaunchLog().find("\\Windows\\tmail.exe\t-service \"SMS\""), std::string::npos);
  EXPECT_NE(LaunchLog().find("\tstarted\n"), std::string::npos) << LaunchLog();
}

TEST_F(JokeReaderTest, TheMenuHoldsItsCommandsInOrderWithTheLoginLast) {
  ASSERT_NO_FATAL_FAILURE(LaunchAndOpenReader());
  EXPECT_EQ(driver_->SoftKeys(), (std::vector<WString>{u"选项", u"选项/经短信发送", u"选项/经邮件发送",
                                                       u"选项/更新笑话", u"选项/帮助", u"选项/登录"}));
}

TEST_F(JokeReaderTest, TheHintShowsOnceAndAgainByHelp) {
  Launch("");
  ASSERT_TRUE(WaitLoaded());
  ASSERT_TRUE(Engine().TapText(u"笑口常开"));
  auto hint = Answer(u"确定");
  ASSERT_TRUE(hint);
  EXPECT_EQ(hint->text, u"点屏幕左半部分看上一页，点屏幕右半部分看下一页。");
  EXPECT_NE(Config().find("AutoPrompt=1"), std::string::npos);
  ASSERT_TRUE(driver_->TapOkButton());
  ASSERT_TRUE(driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; }));
  OpenReader();
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox());
  ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"帮助"}));
  auto help = Answer(u"确定");
  ASSERT_TRUE(help);
  EXPECT_EQ(help->text, u"点屏幕左半部分看上一页，点屏幕右半部分看下一页。");
}

}  // namespace
}  // namespace tarvo
