#include "jokes/JokeCollection.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

std::vector<WString> Jokes(const std::u16string& tag, int n) {
  std::vector<WString> jokes;
  for (int i = 0; i < n; ++i) jokes.push_back(tag + u"-" + static_cast<char16_t>(u'0' + i));
  return jokes;
}

TEST(JokeCollectionOrder, FilesGoInByNumberWhateverOrderTheyArrive) {
  JokeCollection store;
  store.AddFile(3, u"c", Jokes(u"c", 2));
  store.AddFile(1, u"a", Jokes(u"a", 2));
  store.AddFile(2, u"b", Jokes(u"b", 2));
  EXPECT_EQ(store.FileNumbers(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(store.JokeAt(0), u"a-0");
  EXPECT_EQ(store.JokeAt(2), u"b-0");
  EXPECT_EQ(store.JokeAt(5), u"c-1");
  EXPECT_EQ(store.JokeAt(6), std::nullopt);
  EXPECT_EQ(store.JokeAt(-1), std::nullopt);
}

TEST(JokeCollectionOrder, AFileListedAlreadyIsNotAddedAgain) {
  JokeCollection store;
  EXPECT_TRUE(store.AddFile(2, u"b", Jokes(u"b", 3)));
  EXPECT_FALSE(store.AddFile(2, u"b", Jokes(u"x", 3)));
  EXPECT_EQ(store.Count(), 3);
  EXPECT_EQ(store.JokeAt(0), u"b-0");
}

TEST(JokeCollectionIndex, FilesPutInFrontMoveAnIndexThatHeldAJoke) {
  JokeCollection store;
  store.SetLastRead(45);
  store.AddFile(3, u"c", Jokes(u"c", 20));
  store.SetIndex(4);
  store.AddFile(2, u"b", Jokes(u"b", 20));
  store.AddFile(1, u"a", Jokes(u"a", 20));
  store.AddFile(4, u"d", Jokes(u"d", 20));
  EXPECT_EQ(store.Index(), 44);
  EXPECT_EQ(store.JokeAt(store.Index()), u"c-4");
  EXPECT_EQ(store.LastRead(), 45);  // the reader is not open: last-read stays
}

TEST(JokeCollectionIndex, AnIndexThatHeldNothingStays) {
  JokeCollection store;
  store.AddFile(3, u"c", Jokes(u"c", 1));  // a file read as one joke
  store.SetIndex(4);
  store.AddFile(2, u"b", Jokes(u"b", 20));
  EXPECT_EQ(store.Index(), 4);
  JokeCollection empty;
  empty.AddFile(2, u"b", Jokes(u"b", 5));
  EXPECT_EQ(empty.Index(), 0);
}

TEST(JokeCollectionIndex, WhileTheReaderIsOpenLastReadFollowsEveryChange) {
  JokeCollection store;
  store.SetLastRead(7);
  store.AddFile(2, u"b", Jokes(u"b", 10));
  store.SetReaderOpen(true);
  store.SetIndex(3);
  EXPECT_EQ(store.LastRead(), 4);
  store.AddFile(1, u"a", Jokes(u"a", 10));
  EXPECT_EQ(store.Index(), 13);
  EXPECT_EQ(store.LastRead(), 14);
  store.SetReaderOpen(false);
  store.SetIndex(0);
  EXPECT_EQ(store.LastRead(), 14);
}

TEST(JokeCollectionIndex, FixIndexTakesAnIndexOutsideAListToTheStart) {
  JokeCollection store;
  store.SetIndex(50);
  EXPECT_FALSE(store.FixIndex());  // nothing to show: left alone
  store.AddFile(1, u"a", Jokes(u"a", 3));
  store.SetReaderOpen(true);
  EXPECT_TRUE(store.FixIndex());
  EXPECT_EQ(store.Index(), 0);
  EXPECT_EQ(store.LastRead(), 1);
  EXPECT_FALSE(store.FixIndex());
}

TEST(JokeCollectionPages, TurnsStopAtBothEndsAndAnEmptyListTurnsNothing) {
  JokeCollection store;
  EXPECT_EQ(store.TurnPage(1), PageTurn::Nothing);
  EXPECT_EQ(store.TurnPage(-1), PageTurn::Nothing);
  store.AddFile(1, u"a", Jokes(u"a", 2));
  store.SetReaderOpen(true);
  EXPECT_EQ(store.TurnPage(-1), PageTurn::AtFirstPage);
  EXPECT_EQ(store.TurnPage(1), PageTurn::Turned);
  EXPECT_EQ(store.Index(), 1);
  EXPECT_EQ(store.LastRead(), 2);
  EXPECT_EQ(store.TurnPage(1), PageTurn::AtLastPage);
  EXPECT_EQ(store.Index(), 1);
  EXPECT_EQ(store.TurnPage(-1), PageTurn::Turned);
  EXPECT_EQ(store.Index(), 0);
  // Beyond the end: forward asks about the last page, back does nothing.
  store.SetIndex(7);
  EXPECT_EQ(store.TurnPage(1), PageTurn::AtLastPage);
  EXPECT_EQ(store.TurnPage(-1), PageTurn::Nothing);
  EXPECT_EQ(store.Index(), 7);
}

TEST(JokeCollectionPages, ATurnAfterFilesWentInFrontStartsFromTheJokeShown) {
  JokeCollection store;
  store.AddFile(3, u"c", Jokes(u"c", 5));
  store.SetReaderOpen(true);
  store.SetIndex(2);
  store.AddFile(1, u"a", Jokes(u"a", 5));
  EXPECT_EQ(store.TurnPage(1), PageTurn::Turned);
  JokePage page = store.CurrentPage();
  EXPECT_EQ(page.index, 8);
  EXPECT_EQ(page.lastRead, 9);
  EXPECT_EQ(page.joke, u"c-3");
  store.SetIndex(20);
  EXPECT_EQ(store.CurrentPage().joke, std::nullopt);
}

TEST(JokeCollectionEvents, ListenersHearGrowthTheFirstFileAndTheEnd) {
  std::vector<JokeCollection::Task> queued;
  JokeCollection store([&queued](JokeCollection::Task task) { queued.push_back(std::move(task)); });
  std::vector<JokeEvent> heard;
  store.AddListener([&heard](JokeEvent event) { heard.push_back(event); });
  store.AddFile(1, u"a", Jokes(u"a", 1));
  store.MarkFirstFileDone();
  store.MarkLoaded();
  EXPECT_TRUE(heard.empty());  // only on the thread the poster hands to
  for (auto& task : queued) task();
  EXPECT_EQ(heard, (std::vector<JokeEvent>{JokeEvent::Grew, JokeEvent::FirstFile, JokeEvent::Loaded}));
  EXPECT_TRUE(store.Facts().firstFileDone);
  store.ClearFiles();
  EXPECT_TRUE(store.Facts().firstFileDone);  // a latch
}

TEST(JokeCollectionEvents, ARemovedListenerOrAGoneStoreHearsNothing) {
  std::vector<JokeCollection::Task> queued;
  int heard = 0;
  {
    JokeCollection store([&queued](JokeCollection::Task task) { queued.push_back(std::move(task)); });
    const int id = store.AddListener([&heard](JokeEvent) { ++heard; });
    store.MarkLoaded();
    store.RemoveListener(id);
    store.AddListener([&heard](JokeEvent) { heard += 10; });
    store.MarkLoaded();
  }
  for (auto& task : queued) task();
  EXPECT_EQ(heard, 0);
}

TEST(JokeCollectionJobs, TheJobLockWaitsAndAStopEndsTheWait) {
  JokeCollection store;
  StopToken first, second;
  auto held = store.AcquireJobLock(first);
  ASSERT_TRUE(held.owns_lock());
  second.Request();
  EXPECT_FALSE(store.AcquireJobLock(second).owns_lock());
  held.unlock();
  StopToken third;
  EXPECT_TRUE(store.AcquireJobLock(third).owns_lock());
}

TEST(JokeCollectionJobs, TheStartUpLoadIsClaimedOnce) {
  JokeCollection store;
  EXPECT_TRUE(store.ClaimStartupLoad());
  EXPECT_FALSE(store.ClaimStartupLoad());
}

TEST(LastPage, ZeroMissingOrBeyondASignedIntCountsAsOne) {
  EXPECT_EQ(LastPageValue(std::nullopt), 1);
  EXPECT_EQ(LastPageValue(0u), 1);
  EXPECT_EQ(LastPageValue(2147483648u), 1);
  EXPECT_EQ(LastPageValue(4294967295u), 1);
  EXPECT_EQ(LastPageValue(2147483647u), 2147483647);
  EXPECT_EQ(LastPageValue(45u), 45);
}

}  // namespace
}  // namespace tarvo
