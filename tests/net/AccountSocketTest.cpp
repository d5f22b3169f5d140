#include "net/AccountSocket.h"

#include <gtest/gtest.h>

#include "net/PhoneIdentity.h"
#include "platform/device/DeviceProfile.h"

namespace tarvo {
namespace {

TEST(ParseAccountServer, HostAndPortOrTheDefaultPort) {
  auto full = ParseAccountServer("127.0.0.1:28089");
  ASSERT_TRUE(full.has_value());
  EXPECT_EQ(full->host, "127.0.0.1");
  EXPECT_EQ(full->port, 28089);
  auto bare = ParseAccountServer("10.0.0.2");
  ASSERT_TRUE(bare.has_value());
  EXPECT_EQ(bare->port, 8089);
}

TEST(ParseAccountServer, EmptyOrBadTextsOpenNothing) {
  for (const char* text : {"", ":1", "h:", "h:0", "h:65536", "h:1x", "a b:1", "h:-1"}) {
    EXPECT_FALSE(ParseAccountServer(text).has_value()) << text;
  }
  AccountSocket socket(std::chrono::milliseconds(100));
  EXPECT_FALSE(socket.Open(""));
  EXPECT_FALSE(socket.IsOpen());
}

TEST(PhoneIdentity, TheLineValuesFromTheProfile) {
  auto identity = GetPhoneIdentity(DeviceProfile::Parse(
      "[Telephony]\nSerialNumber=356938035643809\nSubscriberNumber=46000123456789\n"));
  ASSERT_TRUE(identity.has_value());
  EXPECT_EQ(identity->simId, u"356938035643809");
  EXPECT_EQ(identity->cellId, u"");  // 14 characters
}

TEST(PhoneIdentity, NoSectionMeansNoLine) {
  EXPECT_FALSE(GetPhoneIdentity(DeviceProfile::Parse("[Device]\nCodePage=GBK\n")).has_value());
  auto empty = GetPhoneIdentity(DeviceProfile::Parse("[Telephony]\n"));
  ASSERT_TRUE(empty.has_value());
  EXPECT_EQ(empty->simId, u"");
}

TEST(AccountTimeout, ItsOwnKeyWithADefault) {
  EXPECT_EQ(DeviceProfile::Parse("").AccountTimeoutMs(), 30000);
  EXPECT_EQ(DeviceProfile::Parse("[Servers]\nAccountTimeoutMs=500\n").AccountTimeoutMs(), 500);
  EXPECT_EQ(DeviceProfile::Parse("[Servers]\nAccountTimeoutMs=-4\n").AccountTimeoutMs(), 30000);
  EXPECT_EQ(DeviceProfile::Parse("[Network]\nTimeoutMs=500\n").AccountTimeoutMs(), 30000);
}

}  // namespace
}  // namespace tarvo
