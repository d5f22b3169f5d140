#include "platform/device/Connectivity.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <future>
#include <memory>

namespace tarvo {
namespace {

using namespace std::chrono_literals;

DeviceProfile Profile(const std::string& status, const std::string& dial = "1,2,0x10") {
  return DeviceProfile::Parse("[Connectivity]\nStatus=" + status + "\nDialResult=" + dial +
                              "\nDialDelayMs=0\n");
}

// Runs work on a thread of its own and says whether it ended in time. A
// thread that hangs is left behind together with what it uses (hence the
// shared pointers), so that a deadlock fails the test instead of hanging it.
bool EndsWithin(std::chrono::milliseconds deadline, std::function<void()> work) {
  auto done = std::make_shared<std::promise<void>>();
  auto ended = done->get_future();
  std::thread([done, work = std::move(work)] {
    work();
    done->set_value();
  }).detach();
  return ended.wait_for(deadline) == std::future_status::ready;
}

template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds deadline = 5s) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

size_t ThreadsOfThisProcess() {
  size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/task")) ++count;
  return count;
}

TEST(ConnectivityListeners, AListenerMayReadTheStatus) {
  auto connectivity = std::make_shared<Connectivity>(Profile(""));
  auto seen = std::make_shared<std::atomic<size_t>>(0);
  connectivity->AddStatusListener([connectivity = connectivity.get(), seen](uint32_t) {
    *seen = connectivity->DetailedStatus().size();
  });
  ASSERT_TRUE(EndsWithin(5s, [connectivity] {
    connectivity->EstablishConnectionSync(ConnectionDestination::Internet, 1s);
  })) << "the dial-up deadlocked";
  EXPECT_EQ(*seen, 1u);
}

TEST(ConnectivityListeners, AListenerMayRemoveItself) {
  auto connectivity = std::make_shared<Connectivity>(Profile(""));
  auto calls = std::make_shared<std::atomic<int>>(0);
  auto id = std::make_shared<int>(0);
  *id = connectivity->AddStatusListener([connectivity = connectivity.get(), calls, id](uint32_t) {
    ++*calls;
    connectivity->RemoveStatusListener(*id);
  });
  ASSERT_TRUE(EndsWithin(5s, [connectivity] {
    connectivity->EstablishConnectionSync(ConnectionDestination::Internet, 1s);
    connectivity->EstablishConnectionSync(ConnectionDestination::Internet, 1s);
  })) << "the dial-up deadlocked";
  EXPECT_EQ(*calls, 1);
}

TEST(ConnectivityListeners, RemovalWaitsForACallInProgressAndThenNoMoreCome) {
  Connectivity connectivity(Profile(""));
  std::mutex mutex;
  std::condition_variable changed;
  bool inCall = false, release = false;
  int calls = 0;
  const int id = connectivity.AddStatusListener([&](uint32_t) {
    std::unique_lock<std::mutex> lock(mutex);
    ++calls;
    inCall = true;
    changed.notify_all();
    changed.wait(lock, [&] { return release; });
    inCall = false;
  });
  connectivity.EstablishConnection(ConnectionDestination::Internet);
  {
    std::unique_lock<std::mutex> lock(mutex);
    ASSERT_TRUE(changed.wait_for(lock, 5s, [&] { return inCall; }));
  }
  bool callOverWhenRemoved = false;
  auto removal = std::async(std::launch::async, [&] {
    connectivity.RemoveStatusListener(id);
    std::lock_guard<std::mutex> guard(mutex);
    callOverWhenRemoved = !inCall;
  });
  EXPECT_EQ(removal.wait_for(100ms), std::future_status::timeout) << "removal did not wait";
  {
    std::lock_guard<std::mutex> guard(mutex);
    release = true;
  }
  changed.notify_all();
  removal.get();
  EXPECT_TRUE(callOverWhenRemoved);
  connectivity.EstablishConnectionSync(ConnectionDestination::Internet, 1s);
  std::lock_guard<std::mutex> guard(mutex);
  EXPECT_EQ(calls, 1);
}

TEST(ConnectivityDial, TwoDialsListEachEntryOnce) {
  Connectivity connectivity(Profile("2,2,0x10;1,2,0x20"));
  connectivity.EstablishConnectionSync(ConnectionDestination::Internet, 1s);
  connectivity.EstablishConnectionSync(ConnectionDestination::Internet, 1s);
  const std::vector<ConnectionEntry> expected{{2, 2, 0x10}, {1, 2, 0x10}};
  EXPECT_EQ(connectivity.DetailedStatus(), expected);
}

TEST(ConnectivityDial, FinishedDialUpsLeaveNoThreadsBehind) {
  Connectivity connectivity(Profile(""));
  std::atomic<int> heard{0};
  connectivity.AddStatusListener([&](uint32_t) { ++heard; });
  const size_t threadsBefore = ThreadsOfThisProcess();
  for (int i = 0; i < 3; ++i) connectivity.EstablishConnection(ConnectionDestination::Internet);
  ASSERT_TRUE(WaitFor([&] { return heard == 3; }));
  EXPECT_TRUE(WaitFor([&] { return connectivity.DialsInProgress() == 0; }));
  EXPECT_TRUE(WaitFor([&] { return ThreadsOfThisProcess() <= threadsBefore; }));
}

}  // namespace
}  // namespace tarvo
