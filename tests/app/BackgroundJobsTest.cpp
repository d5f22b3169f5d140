// Named jobs: one run per name, counted as busy, stopped at exit at once and
// within a bound.
#include <chrono>
#include <future>

#include <gtest/gtest.h>

#include "app/BackgroundJobs.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;

TEST(BackgroundJobs, OneRunPerNameCountedAsBusy) {
  WorkTracker tracker;
  BackgroundJobs jobs(&tracker);
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  ASSERT_TRUE(jobs.Start("sync", [released](const StopToken&) { released.wait(); }));
  EXPECT_TRUE(jobs.IsRunning("sync"));
  EXPECT_FALSE(jobs.Start("sync", [](const StopToken&) {}));
  EXPECT_EQ(tracker.BusyCount(), 1);
  release.set_value();
  EXPECT_TRUE(tracker.WaitUntilIdle(5s));
  EXPECT_FALSE(jobs.IsRunning("sync"));
}

TEST(BackgroundJobs, StoppingOneJobEndsItAndTheNameStartsAgain) {
  BackgroundJobs jobs;
  std::promise<void> asleep;
  ASSERT_TRUE(jobs.Start("ticker", [&asleep](const StopToken& stop) {
    asleep.set_value();
    stop.SleepFor(1h);
  }));
  ASSERT_TRUE(jobs.Start("other", [](const StopToken& stop) { stop.SleepFor(1h); }));
  asleep.get_future().wait();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(jobs.Stop("ticker"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
  EXPECT_FALSE(jobs.IsRunning("ticker"));
  EXPECT_TRUE(jobs.IsRunning("other"));
  EXPECT_TRUE(jobs.Stop("never-started"));
  EXPECT_TRUE(jobs.Start("ticker", [](const StopToken&) {}));
}

TEST(BackgroundJobs, AJobSleepingBetweenRoundsIsNotBusyWhileItSleeps) {
  WorkTracker tracker;
  BackgroundJobs jobs(&tracker);
  std::promise<void> asleep;
  ASSERT_TRUE(jobs.Start("watchdog", [&tracker, &asleep](const StopToken& stop) {
    WorkTracker::Waiting waiting(&tracker);
    asleep.set_value();
    stop.SleepFor(1h);
  }));
  asleep.get_future().wait();
  EXPECT_TRUE(tracker.WaitUntilIdle(5s));
  EXPECT_TRUE(jobs.IsRunning("watchdog"));
  EXPECT_TRUE(jobs.StopAll());
}

TEST(BackgroundJobs, StopAllWakesEverySleepingJobAtOnce) {
  BackgroundJobs jobs;
  for (const char* name : {"ticker", "update-check", "joke-sync"})
    ASSERT_TRUE(jobs.Start(name, [](const StopToken& stop) { stop.SleepFor(1h); }));
  const auto before = std::chrono::steady_clock::now();
  EXPECT_TRUE(jobs.StopAll());
  EXPECT_LT(std::chrono::steady_clock::now() - before, 2s);
}

TEST(BackgroundJobs, StopAllGivesUpAtItsBoundAndStartsNothingAfterwards) {
  WorkTracker tracker;
  auto jobs = std::make_unique<BackgroundJobs>(&tracker);
  auto release = std::make_shared<std::promise<void>>();
  std::shared_future<void> released = release->get_future().share();
  ASSERT_TRUE(jobs->Start("stubborn", [released](const StopToken&) { released.wait(); }));
  ASSERT_TRUE(jobs->Start("polite", [](const StopToken& stop) { stop.SleepFor(1h); }));
  EXPECT_FALSE(jobs->StopAll(100ms));
  EXPECT_FALSE(jobs->Start("late", [](const StopToken&) {}));
  EXPECT_FALSE(jobs->StartDefined("late"));
  jobs.reset();  // must not wait for the stubborn job
  release->set_value();
  EXPECT_TRUE(tracker.WaitUntilIdle(5s));
}

}  // namespace
}  // namespace tarvo
