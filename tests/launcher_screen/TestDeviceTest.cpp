// Test devices reach no stand-in port that a running scripts/run may hold.
#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "support/TestDevice.h"

namespace tarvo {
namespace {

TEST(TestDevice, EveryServerOfTheProfileIsAtTheTestsPort) {
  testing::TempDir dir;
  auto device = testing::OpenTestDevice(dir.File("phone"));
  ASSERT_TRUE(device);
  const DeviceProfile& profile = device->Profile();
  EXPECT_EQ(profile.Server("ContentServer"), "http://127.0.0.1:1");
  EXPECT_EQ(profile.Server("ParsePage"), "http://127.0.0.1:1/parse.php");
  EXPECT_EQ(profile.Server("AccountServer"), "127.0.0.1:1");
  EXPECT_EQ(profile.Server("TimeServers"), "http://127.0.0.1:1,http://localhost:1");
  EXPECT_EQ(profile.Server("WapProxy"), "127.0.0.1:1");
  auto served = testing::OpenTestDevice(dir.File("served"), 40123);
  ASSERT_TRUE(served);
  EXPECT_EQ(served->Profile().Server("HotVideo"), "http://127.0.0.1:40123");
}

}  // namespace
}  // namespace tarvo
