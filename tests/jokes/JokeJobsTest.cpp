// The start-up load and the sync end to end: a throwaway phone against the
// stand-in content server on an ephemeral port.
#include "jokes/JokeJobs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "StandInServers.h"
#include "app/BackgroundJobs.h"
#include "jokes/JokeFile.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;

constexpr char16_t kFolder[] = u"\\Program Files\\Tarvo\\xh";

// A joke file of n jokes tagged "fN-i", GBK with CR LF.
std::string JokeText(int file, int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += "#f" + std::to_string(file) + "-" + std::to_string(i) + " 笑\r\n";
  return ToCodePage(FromUtf8(text), "GBK");
}

std::string Lead(int step, int end) {
  return "[Info]\r\nStep=" + std::to_string(step) + "\r\nEnd=" + std::to_string(end) + "\r\n";
}

class JokeJobsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.Write("content/placeholder", "");
    servers::ServerOptions options;
    options.dataDir = data_.Path();
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
    device_ = testing::OpenTestDevice(phone_.File("phone"), servers_.HttpPort());
    ASSERT_TRUE(device_);
  }
  void TearDown() override { servers_.Stop(); }

  void Serve(int step, int end, std::vector<std::pair<int, int>> files) {
    data_.Write("content/xh/xh00000.txt", Lead(step, end));
    for (auto [file, n] : files) data_.Write("content/xh/" + Name(file), JokeText(file, n));
  }
  static std::string Name(int file) { return ToUtf8(JokeFileName(file)); }
  WString PhonePath(int file) { return WString(kFolder) + u"\\" + JokeFileName(file); }
  void OnPhone(int file, int n) { device_->Files().WriteAtomically(PhonePath(file), JokeText(file, n)); }
  bool OnPhone(int file) { return device_->Files().FileExists(PhonePath(file)); }
  void Remember(int step, int end) {
    device_->GetRegistry().SetNumber(RegistryRoot::ClassesRoot, kJokeRegistryKey, u"step", step);
    device_->GetRegistry().SetNumber(RegistryRoot::ClassesRoot, kJokeRegistryKey, u"end", end);
  }
  std::optional<uint32_t> Stored(const char16_t* name) {
    return device_->GetRegistry().GetNumber(RegistryRoot::ClassesRoot, kJokeRegistryKey, name);
  }
  JokeJobSetup Setup(std::chrono::milliseconds timeout = 1000ms) {
    JokeJobSetup setup;
    setup.files = &device_->Files();
    setup.registry = &device_->GetRegistry();
    setup.jokeFolder = kFolder;
    setup.contentServer = FromUtf8(servers_.HttpBase());
    setup.timeouts = HttpFetchTimeouts::Each(timeout);
    setup.firstFilePause = 0ms;
    return setup;
  }
  void Load() { JokeJobs(store_, Setup()).LoadJokesAtStartup(stop_); }
  JokeSyncReport Report() {
    JokeSyncReport report;
    report.beginWait = [this] { Record(u"wait"); };
    report.endWait = [this] { Record(u"arrow"); };
    report.tell = [this](WString text) { Record(text); };
    return report;
  }
  void Sync(bool interactive) { JokeJobs(store_, Setup()).SyncJokes(interactive, Report(), stop_); }
  void Record(WString what) {
    std::lock_guard<std::mutex> guard(mutex_);
    shown_.push_back(std::move(what));
  }
  std::vector<WString> Shown() {
    std::lock_guard<std::mutex> guard(mutex_);
    return shown_;
  }
  int RequestsFor(const std::string& target) {
    int n = 0;
    for (const auto& request : servers_.Requests()) n += request.target == target;
    return n;
  }

  testing::TempDir data_;
  testing::TempDir phone_;
  servers::StandInServers servers_;
  std::unique_ptr<Device> device_;
  JokeCollection store_;
  StopToken stop_;
  std::mutex mutex_;
  std::vector<WString> shown_;
};

TEST_F(JokeJobsTest, FirstRunFetchesEveryFileTheLeadNames) {
  Serve(10, 3, {{1, 10}, {2, 10}, {3, 10}});
  Load();
  const JokeFacts facts = store_.Facts();
  EXPECT_EQ(facts.count, 30);
  EXPECT_EQ(store_.FileNumbers(), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(facts.loaded);
  EXPECT_TRUE(facts.complete);
  EXPECT_TRUE(facts.firstFileDone);
  EXPECT_EQ(facts.index, 0);
  EXPECT_EQ(store_.JokeAt(0), u"    f1-0 笑\r\n");
  EXPECT_TRUE(OnPhone(1) && OnPhone(2) && OnPhone(3));
  EXPECT_EQ(Stored(u"step"), 10u);
  EXPECT_EQ(Stored(u"end"), 3u);
  EXPECT_FALSE(device_->Files().FileExists(kJokeLeadPath));
}

TEST_F(JokeJobsTest, LastReadFortyFiveWithStepTwentyStartsWithFileThreeAndEndsAtIndexFortyFour) {
  Serve(20, 4, {});
  Remember(20, 4);
  for (int file = 1; file <= 4; ++file) OnPhone(file, 20);
  store_.SetLastRead(45);
  std::vector<int> filesAtFirstFile;
  int indexAtFirstFile = -1;
  store_.AddListener([&](JokeEvent event) {
    if (event != JokeEvent::FirstFile) return;
    filesAtFirstFile = store_.FileNumbers();
    indexAtFirstFile = store_.Index();
  });
  Load();
  EXPECT_EQ(filesAtFirstFile, (std::vector<int>{3}));
  EXPECT_EQ(indexAtFirstFile, 4);
  EXPECT_EQ(store_.Index(), 44);
  EXPECT_EQ(store_.JokeAt(44), u"    f3-4 笑\r\n");
  EXPECT_EQ(store_.Count(), 80);
  EXPECT_EQ(RequestsFor("/xh/xh00003.txt"), 0);  // whole on the phone: not fetched
}

TEST_F(JokeJobsTest, AnEndGrownByThreeBringsTheThreeNewFiles) {
  Serve(10, 5, {{3, 10}, {4, 10}, {5, 10}});
  Remember(10, 2);
  OnPhone(1, 10);
  OnPhone(2, 10);
  Load();
  EXPECT_EQ(store_.FileNumbers(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(OnPhone(3) && OnPhone(4) && OnPhone(5));
  EXPECT_TRUE(store_.Facts().complete);
}

TEST_F(JokeJobsTest, AStepChangeDeletesTheOldFilesButKeepsTheListsAndASyncAddsNothing) {
  Serve(5, 3, {{1, 5}, {2, 5}, {3, 5}});
  Remember(10, 3);
  for (int file = 1; file <= 3; ++file) OnPhone(file, 10);
  Load();
  EXPECT_FALSE(OnPhone(1));
  EXPECT_FALSE(OnPhone(2));
  EXPECT_TRUE(OnPhone(3));  // End itself stays
  EXPECT_EQ(store_.Count(), 30);
  EXPECT_EQ(Stored(u"step"), 5u);
  Sync(true);
  EXPECT_EQ(Shown(), (std::vector<WString>{u"wait", u"arrow", u"已经是最新笑话。"}));
  EXPECT_EQ(RequestsFor("/xh/xh00001.txt"), 0);
  EXPECT_EQ(store_.Count(), 30);
}

TEST_F(JokeJobsTest, AStartFileAboveTheStoredEndIsLoadedOnce) {
  Serve(10, 3, {{3, 10}});
  Remember(10, 2);
  for (int file = 1; file <= 3; ++file) OnPhone(file, 10);
  store_.SetLastRead(25);  // file 3, beyond the stored End of 2
  Load();
  EXPECT_EQ(store_.FileNumbers(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(store_.Count(), 30);
  EXPECT_EQ(store_.JokeAt(store_.Index()), u"    f3-4 笑\r\n");
}

TEST_F(JokeJobsTest, AShortFileIsFetchedTwiceThenDeletedAndTheSyncSaysNothing) {
  Serve(10, 1, {{1, 9}});
  device_->GetRegistry().CreateKey(RegistryRoot::ClassesRoot, kJokeRegistryKey);
  Sync(true);
  EXPECT_EQ(RequestsFor("/xh/xh00001.txt"), 2);
  EXPECT_FALSE(OnPhone(1));
  EXPECT_EQ(Shown(), (std::vector<WString>{u"wait", u"arrow"}));
}

TEST_F(JokeJobsTest, AnHtmlPageAndANotFoundPageAreNotKept) {
  Serve(10, 2, {});
  data_.Write("content/xh/xh00001.txt", "<html><body>busy</body></html>");
  Load();  // xh00002.txt is missing: a 404 page
  EXPECT_FALSE(OnPhone(1));
  EXPECT_FALSE(OnPhone(2));
  EXPECT_EQ(store_.Count(), 0);
  EXPECT_FALSE(store_.Facts().complete);
  EXPECT_TRUE(store_.Facts().loaded);
}

TEST_F(JokeJobsTest, AResetMidFileIsFetchedAgainAndKept) {
  Serve(10, 1, {{1, 10}});
  device_->GetRegistry().CreateKey(RegistryRoot::ClassesRoot, kJokeRegistryKey);
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00001.txt", "reset:20", 1));
  Sync(true);
  EXPECT_TRUE(OnPhone(1));
  EXPECT_EQ(store_.Count(), 10);
  EXPECT_EQ(Shown(), (std::vector<WString>{u"wait", u"arrow", u"成功更新 10 个笑话"}));
  EXPECT_TRUE(store_.Facts().complete);
}

TEST_F(JokeJobsTest, ALeadFailureIsToldOnlyWhenAsked) {
  Serve(10, 1, {{1, 10}});
  device_->GetRegistry().CreateKey(RegistryRoot::ClassesRoot, kJokeRegistryKey);
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00000.txt", "status:404"));
  Sync(false);
  EXPECT_TRUE(Shown().empty());
  Sync(true);
  EXPECT_EQ(Shown(), (std::vector<WString>{u"wait", u"arrow", u"笑话更新失败！"}));
  EXPECT_EQ(RequestsFor("/xh/xh00000.txt"), 4);  // twice each
}

TEST_F(JokeJobsTest, ALeadWithStepButEndZeroWritesStepAloneAndFails) {
  data_.Write("content/xh/xh00000.txt", Lead(10, 0));
  EXPECT_FALSE(JokeJobs(store_, Setup()).FetchJokeLead(stop_).fetched);
  EXPECT_EQ(Stored(u"step"), 10u);
  EXPECT_EQ(Stored(u"end"), std::nullopt);
  EXPECT_FALSE(device_->Files().FileExists(kJokeLeadPath));
}

TEST_F(JokeJobsTest, WithoutTheRegistryKeyTheSyncDoesNothing) {
  Serve(10, 1, {{1, 10}});
  Sync(true);
  EXPECT_TRUE(Shown().empty());
  EXPECT_TRUE(servers_.Requests().empty());
}

TEST_F(JokeJobsTest, AStallEndsAtTheStopWithinTheExitBoundAndLeavesNoFile) {
  Serve(10, 2, {{1, 10}, {2, 10}});
  ASSERT_TRUE(servers_.ArmFault("/xh/xh00002.txt", "stall-body:20"));
  BackgroundJobs jobs;
  JokeJobSetup setup = Setup(30000ms);
  jobs.Start("joke-load", [this, setup](const StopToken& stop) { JokeJobs(store_, setup).LoadJokesAtStartup(stop); });
  ASSERT_TRUE(servers_.WaitForRequests(3, std::chrono::steady_clock::now() + 5s));  // lead, 1, 2
  const auto asked = std::chrono::steady_clock::now();
  EXPECT_TRUE(jobs.StopAll(BackgroundJobs::kExitBound));
  EXPECT_LT(std::chrono::steady_clock::now() - asked, 3s);
  EXPECT_FALSE(OnPhone(2));
  EXPECT_FALSE(store_.Facts().loaded);
}

TEST_F(JokeJobsTest, ASilentSyncDuringTheLoadWaitsForItAndAddsEveryFileOnce) {
  Serve(10, 3, {{1, 10}, {2, 10}, {3, 10}});
  ASSERT_TRUE(servers_.ArmFault("/xh/", "trickle:200:5"));
  BackgroundJobs jobs;
  JokeJobSetup setup = Setup();
  jobs.Start("joke-load", [this, setup](const StopToken& stop) { JokeJobs(store_, setup).LoadJokesAtStartup(stop); });
  jobs.Start("joke-sync", [this, setup](const StopToken& stop) {
    JokeJobs(store_, setup).SyncJokes(false, Report(), stop);
  });
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while ((jobs.IsRunning("joke-load") || jobs.IsRunning("joke-sync")) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::yield();
  EXPECT_EQ(store_.FileNumbers(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(store_.Count(), 30);
  EXPECT_TRUE(Shown().empty());
}

TEST_F(JokeJobsTest, AJobWaitingForTheJobLockEndsAtAStop) {
  Serve(10, 1, {{1, 10}});
  auto held = store_.AcquireJobLock(stop_);
  BackgroundJobs jobs;
  JokeJobSetup setup = Setup();
  jobs.Start("joke-load", [this, setup](const StopToken& stop) { JokeJobs(store_, setup).LoadJokesAtStartup(stop); });
  EXPECT_TRUE(jobs.StopAll(500ms));
  EXPECT_TRUE(servers_.Requests().empty());
}

}  // namespace
}  // namespace tarvo
