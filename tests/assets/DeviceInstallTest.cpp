// A new device directory gets the pictures where the program looks for them.
#include <gtest/gtest.h>

#include <string>

#include "Picture.h"
#include "platform/device/Device.h"
#include "support/TempDir.h"

namespace tarvo::testing {
namespace {

TEST(DeviceInstall, NewDeviceHasThePicturesUnderItsPhonePaths) {
  TempDir dir;
  std::string error;
  auto device = Device::Open(dir.Path() + "/phone", &error);
  ASSERT_NE(device, nullptr) << error;
  PhoneFileSystem& files = device->Files();
  // Phone paths compare without regard to case, as the program spells them.
  EXPECT_TRUE(files.FileExists(u"\\Program Files\\Tarvo\\TarvoImage\\MainMenuBackImage.jpg"));
  EXPECT_TRUE(files.FileExists(u"\\Program Files\\Tarvo\\TarvoImage\\Tarvo_Search.png"));
  EXPECT_TRUE(files.FileExists(u"\\Program Files\\Tarvo\\TarvoImage\\Green_Left_Small.png"));
  EXPECT_TRUE(files.FileExists(u"\\Program Files\\Tarvo\\TarvoImage\\Tarvo.png"));
  EXPECT_TRUE(files.FileExists(u"\\Program Files\\Tarvo\\TarvoImage\\res\\141.png"));
  EXPECT_TRUE(files.FileExists(u"\\Windows\\HiFM.png"));
  EXPECT_TRUE(files.FileExists(u"\\windows\\FlashLight22.png"));

  // The installed copy decodes like the build's own.
  const auto host = files.HostPath(u"\\Program Files\\Tarvo\\TarvoImage\\Tarvo_Exit.png");
  ASSERT_TRUE(host.has_value());
  const auto installed = LoadPicture(*host);
  ASSERT_TRUE(installed.has_value());
  EXPECT_EQ(installed->width, 90);
}

}  // namespace
}  // namespace tarvo::testing
