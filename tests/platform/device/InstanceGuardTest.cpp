// One program per device: the lock, and the come-forward request that a
// second start sends to the owner.
#include <chrono>
#include <condition_variable>
#include <mutex>

#include <gtest/gtest.h>

#include "platform/device/InstanceGuard.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

using namespace std::chrono_literals;

TEST(InstanceGuard, ASecondGuardOfTheDeviceIsRefusedAndAsksTheOwnerForward) {
  testing::TempDir dir;
  InstanceGuard owner(dir.Path());
  ASSERT_TRUE(owner.Acquire());
  std::mutex mutex;
  std::condition_variable heard;
  int requests = 0;
  owner.ListenForRequests([&] {
    std::lock_guard<std::mutex> guard(mutex);
    ++requests;
    heard.notify_all();
  });
  InstanceGuard second(dir.Path());
  EXPECT_FALSE(second.Acquire());
  EXPECT_TRUE(second.AskOwnerToComeForward());
  std::unique_lock<std::mutex> lock(mutex);
  EXPECT_TRUE(heard.wait_for(lock, 5s, [&] { return requests == 1; }));
}

TEST(InstanceGuard, StopListeningEndsTheListenerAndNoCallComesAfterIt) {
  testing::TempDir dir;
  InstanceGuard owner(dir.Path());
  ASSERT_TRUE(owner.Acquire());
  std::atomic<int> calls{0};
  owner.ListenForRequests([&] { ++calls; });
  owner.StopListening();
  InstanceGuard second(dir.Path());
  second.AskOwnerToComeForward();
  owner.StopListening();  // twice is fine
  EXPECT_EQ(calls.load(), 0);
}

}  // namespace
}  // namespace tarvo
