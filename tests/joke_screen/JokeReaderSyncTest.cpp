// The silent sync that a new connection starts, seen from the open reader:
// after a dial-up from "更新笑话", and while the reader pages through jokes
// that files put in front move.
#include "JokeReaderFixture.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;

WString Number(int n) { return FromUtf8(std::to_string(n)); }

class JokeReaderSyncTest : public JokeReaderFixture {
 protected:
  // The store and the reader agree: the heading numbers the store's index and
  // the text is the store's joke there.
  bool ReaderAgreesWithStore() {
    return driver_->WaitFor([this] {
      auto* reader = dynamic_cast<CJoke*>(driver_->GetUi().ActiveWindow());
      if (reader == nullptr) return false;
      const JokeFacts facts = app_->Jokes.Facts();
      WString heading;
      for (ui::Window* child : reader->Children()) {
        if (child->Text().rfind(u"笑话 ", 0) == 0) heading = child->Text();
      }
      return heading == u"笑话 " + Number(facts.index + 1) &&
             app_->Jokes.JokeAt(facts.index) == reader->TextArea().Text();
    });
  }
  static WString NewJoke(int file, int position) {
    return u"    新笑话" + Number(file) + u"-" + Number(position) + u"\r\n";
  }
};

TEST_F(JokeReaderSyncTest, YesToTheDialPromptDialsAndTheNewConnectionSyncsSilently) {
  ServeSampleCopy();
  PrepareOfflinePhone("2,2,0x10");
  Launch("[Joke]\r\nAutoPrompt=1\r\nupdate_prompt=1\r\n");
  OpenLoadedReader();
  ASSERT_EQ(Count(), 30);
  ServeLead(5);
  ServeFile(4);
  ServeFile(5);
  Update();
  auto box = Answer(u"是");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"检测到您没有连入任何网络，是否拨号上网(将产生流量费)？");
  // The dial-up succeeded: no box. The launcher's reaction to the connection runs the sync.
  ASSERT_TRUE(driver_->WaitFor([this] { return app_->Jokes.Facts().count == 50; }, 5000ms));
  ASSERT_TRUE(SyncOver());
  driver_->Sync();
  EXPECT_FALSE(driver_->ShownMessageBox());
  EXPECT_EQ(driver_->TopCaption(), u"笑口常开");
  EXPECT_EQ(Requests("/xh/xh00005.txt"), 1u);
  EXPECT_TRUE(device_->Files().FileExists(u"\\Program Files\\Tarvo\\xh\\xh00005.txt"));
  EXPECT_TRUE(driver_->Invoke([this] { return app_->Jokes.Facts().complete; }));
  EXPECT_FALSE(app_->JokeUpdateInProgress);
  EXPECT_EQ(Heading(), u"笑话 1");
}

TEST_F(JokeReaderSyncTest, PagingWhileASyncPutsFilesInFrontKeepsTheJokeShown) {
  ServeSampleCopy();
  ServeLead(5);
  for (int n = 1; n <= 5; ++n) ServeFile(n);
  // The start-up load gets files 3 to 5 only.
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00001.txt", "status:404"));
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00002.txt", "status:404"));
  Launch("[Joke]\r\nAutoPrompt=1\r\nupdate_prompt=1\r\n");
  OpenLoadedReader();
  ASSERT_EQ(Count(), 30);
  ASSERT_EQ(ShownJoke(), NewJoke(3, 0));
  EXPECT_EQ(Heading(), u"笑话 1");
  // Files 1 and 2 now come, slowly, so that pages turn while each goes in.
  servers_.DisarmFaults();
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00001.txt", "trickle:16:30"));
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00002.txt", "trickle:16:30"));
  device_->Connections().EstablishConnection(ConnectionDestination::Internet);

  // Back and forth over files 3 to 5, never into the files put in front.
  int file = 3, position = 0, step = 1;
  int turnsBefore = 0, turnsAfter = 0;
  const auto end = std::chrono::steady_clock::now() + 10s;
  while (turnsAfter < 12 && std::chrono::steady_clock::now() < end) {
    const bool synced = Count() == 50 && !app_->Jobs.IsRunning(kJokeSyncJob);
    if ((step > 0 && file == 5 && position == 9) || (step < 0 && file == 3 && position == 0)) step = -step;
    position += step;
    if (position > 9) file++, position = 0;
    if (position < 0) file--, position = 9;
    TapControl(step > 0 ? CJoke::kNextId : CJoke::kPreviousId);
    ASSERT_EQ(ShownJoke(), NewJoke(file, position)) << "after " << turnsBefore + turnsAfter << " turns";
    ASSERT_TRUE(ReaderAgreesWithStore()) << ToUtf8(Heading());
    (synced ? turnsAfter : turnsBefore)++;
  }
  EXPECT_GT(turnsBefore, 0);
  ASSERT_EQ(turnsAfter, 12);
  // Twenty jokes went in front of the one shown.
  const JokeFacts facts = driver_->Invoke([this] { return app_->Jokes.Facts(); });
  EXPECT_EQ(facts.index, (file - 1) * 10 + position);
  EXPECT_EQ(Heading(), u"笑话 " + Number(facts.index + 1));
  EXPECT_FALSE(driver_->ShownMessageBox());
}

}  // namespace
}  // namespace tarvo
