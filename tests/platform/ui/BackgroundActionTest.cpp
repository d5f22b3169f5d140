// Background actions: posts reach the window only while it exists and the
// run was not stopped; the wait cursor, the work count and the joins.
#include <chrono>
#include <future>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/BackgroundAction.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Ui.h"

namespace tarvo::ui {
namespace {

using namespace std::chrono_literals;

// Runs the Ui's loop on this thread until done holds or 5 s pass.
bool RunUntil(Ui& ui, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    ui.RunOnce(5);
  }
  return true;
}

class BackgroundActionTest : public ::testing::Test {
 protected:
  BackgroundActionTest() {
    dialog_ = std::make_unique<Dialog>(ui_, u"后台");
    dialog_->CreateModeless();
  }
  Ui ui_;
  std::unique_ptr<Dialog> dialog_;
};

TEST_F(BackgroundActionTest, DeliversEveryPostInOrderOnTheUiThread) {
  BackgroundAction action(*dialog_);
  std::vector<int> seen;
  const auto uiThread = std::this_thread::get_id();
  bool allOnUi = true;
  ASSERT_TRUE(action.Start([&allOnUi, &seen, uiThread](BackgroundAction::Context& context) {
    for (int i = 1; i <= 3; ++i) {
      context.Post([&allOnUi, &seen, uiThread, i] {
        allOnUi = allOnUi && std::this_thread::get_id() == uiThread;
        seen.push_back(i);
      });
    }
  }));
  ASSERT_TRUE(RunUntil(ui_, [&] { return seen.size() == 3; }));
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(allOnUi);
  EXPECT_TRUE(action.WaitDispatching(5s));
  EXPECT_FALSE(action.IsRunning());
}

TEST_F(BackgroundActionTest, PostsAfterTheWindowIsGoneAreDropped) {
  auto action = std::make_unique<BackgroundAction>(*dialog_);
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  bool delivered = false;
  ASSERT_TRUE(action->Start([released, &delivered](BackgroundAction::Context& context) {
    released.wait();
    context.Post([&delivered] { delivered = true; });
  }));
  dialog_->Destroy();
  release.set_value();
  ASSERT_TRUE(ui_.Workers().WaitUntilIdle(5s));
  ui_.ProcessPending();  // runs what the work posted
  EXPECT_FALSE(delivered);
  EXPECT_TRUE(action->StopAndJoin(5s));
}

TEST_F(BackgroundActionTest, AStoppedRunsLatePostsAreDroppedAndANewRunMayStartMeanwhile) {
  BackgroundAction action(*dialog_);
  std::promise<void> releaseFirst;
  std::shared_future<void> first = releaseFirst.get_future().share();
  std::vector<int> seen;
  ASSERT_TRUE(action.Start([first, &seen](BackgroundAction::Context& context) {
    first.wait();
    context.Post([&seen] { seen.push_back(1); });
  }));
  EXPECT_FALSE(action.Start([](BackgroundAction::Context&) {}));  // one run at a time
  action.Stop();
  ASSERT_TRUE(action.Start([&seen](BackgroundAction::Context& context) {
    EXPECT_EQ(context.Generation(), 2);
    context.Post([&seen] { seen.push_back(2); });
  }));
  EXPECT_EQ(action.Generation(), 2);
  ASSERT_TRUE(RunUntil(ui_, [&] { return !seen.empty(); }));
  releaseFirst.set_value();
  ASSERT_TRUE(action.StopAndJoin(5s));
  ui_.ProcessPending();
  EXPECT_EQ(seen, std::vector<int>{2});
}

TEST_F(BackgroundActionTest, StopReachesTheWorkAtOnce) {
  BackgroundAction action(*dialog_);
  std::atomic<bool> sawStop{false};
  ASSERT_TRUE(action.Start([&sawStop](BackgroundAction::Context& context) {
    // Sleeps far longer than any test would wait, unless stopped.
    sawStop = context.Stop().SleepFor(std::chrono::hours(1));
    EXPECT_TRUE(context.StopFlag()->load());
  }));
  action.Stop();
  EXPECT_TRUE(action.StopAndJoin(5s));
  EXPECT_TRUE(sawStop);
}

TEST_F(BackgroundActionTest, TheWaitCursorStaysUntilTheLastPostHasRun) {
  BackgroundAction action(*dialog_);
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  bool cursorDuringResult = false;
  Ui* ui = &ui_;
  ASSERT_TRUE(action.Start(
      [released, ui, &cursorDuringResult](BackgroundAction::Context& context) {
        released.wait();
        context.Post([ui, &cursorDuringResult] { cursorDuringResult = ui->IsWaitCursor(); });
      },
      BackgroundAction::Cursor::Wait));
  EXPECT_TRUE(ui_.IsWaitCursor());
  release.set_value();
  ASSERT_TRUE(action.WaitDispatching(5s));
  EXPECT_TRUE(cursorDuringResult);
  EXPECT_FALSE(ui_.IsWaitCursor());
}

TEST_F(BackgroundActionTest, StoppingReleasesTheWaitCursorButLeavesOtherHoldersAlone) {
  WaitCursorHold screensOwn(ui_);
  BackgroundAction action(*dialog_);
  ASSERT_TRUE(action.Start([](BackgroundAction::Context& context) { context.Stop().SleepFor(1h); },
                           BackgroundAction::Cursor::Wait));
  action.Stop();
  EXPECT_TRUE(ui_.IsWaitCursor());  // the screen still holds it
  screensOwn.Release();
  EXPECT_FALSE(ui_.IsWaitCursor());
  EXPECT_TRUE(action.StopAndJoin(5s));
  ui_.ProcessPending();
  EXPECT_FALSE(ui_.IsWaitCursor());  // the run's end does not release twice
}

TEST_F(BackgroundActionTest, ARunCountsAsBusyUntilItsWorkReturns) {
  BackgroundAction action(*dialog_);
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  ASSERT_TRUE(action.Start([released](BackgroundAction::Context&) { released.wait(); }));
  EXPECT_EQ(ui_.Workers().BusyCount(), 1);
  EXPECT_FALSE(ui_.IsIdle());
  EXPECT_FALSE(ui_.Workers().WaitUntilIdle(20ms));
  release.set_value();
  EXPECT_TRUE(ui_.Workers().WaitUntilIdle(5s));
  ASSERT_TRUE(RunUntil(ui_, [&] { return ui_.IsIdle(); }));
}

TEST_F(BackgroundActionTest, TheJoinIsBoundedForWorkThatIgnoresItsStop) {
  auto release = std::make_shared<std::promise<void>>();
  std::shared_future<void> released = release->get_future().share();
  {
    BackgroundAction action(*dialog_);
    ASSERT_TRUE(action.Start([released](BackgroundAction::Context&) { released.wait(); }));
    const auto before = std::chrono::steady_clock::now();
    EXPECT_FALSE(action.StopAndJoin(50ms));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 3s);
  }
  release->set_value();  // the left thread ends on its own
  EXPECT_TRUE(ui_.Workers().WaitUntilIdle(5s));
}

TEST(WaitCursorUsers, TheArrowReturnsWhenTheLastUserIsDone) {
  Ui ui;
  WaitCursorHold screen(ui);
  {
    WaitCursorHold sync(ui);
    EXPECT_TRUE(ui.IsWaitCursor());
  }
  EXPECT_TRUE(ui.IsWaitCursor());  // the screen's wait goes on
  screen.Release();
  EXPECT_FALSE(ui.IsWaitCursor());
  ui.EndWaitCursor();  // one end too many is harmless
  WaitCursorHold again(ui);
  EXPECT_TRUE(ui.IsWaitCursor());
}

}  // namespace
}  // namespace tarvo::ui
