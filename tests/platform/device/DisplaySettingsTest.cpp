#include "platform/device/DisplaySettings.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace tarvo {
namespace {

TEST(DisplaySettingsListeners, ARemovedListenerIsNotCalledAgain) {
  DisplaySettings display;
  int calls = 0;
  const auto id = display.AddListener([&](int) { ++calls; });
  EXPECT_TRUE(display.SetOrientation(90));
  EXPECT_EQ(calls, 1);
  display.RemoveListener(id);
  EXPECT_TRUE(display.SetOrientation(0));
  EXPECT_EQ(calls, 1);
  display.RemoveListener(id);  // a second removal is harmless
}

TEST(DisplaySettingsListeners, RemovalWaitsForACallInProgress) {
  DisplaySettings display;
  std::promise<void> entered;
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  std::atomic<bool> running{false};
  const auto id = display.AddListener([&](int) {
    running = true;
    entered.set_value();
    released.wait();
    running = false;
  });
  std::thread caller([&] { display.SetOrientation(90); });
  entered.get_future().wait();
  auto removal = std::async(std::launch::async, [&] {
    display.RemoveListener(id);
    return running.load();
  });
  EXPECT_EQ(removal.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
  release.set_value();
  EXPECT_FALSE(removal.get());
  caller.join();
}

TEST(DisplaySettingsListeners, AListenerMayReadTheOrientation) {
  DisplaySettings display;
  int seen = -1;
  display.AddListener([&](int) { seen = display.Orientation(); });
  EXPECT_TRUE(display.SetOrientation(270));
  EXPECT_EQ(seen, 270);
}

}  // namespace
}  // namespace tarvo
