#include <gtest/gtest.h>

#include "app/shell/TarvoApp.h"
#include "app/UpdateDecision.h"
#include "main/TarvoOptions.h"
#include "support/TempDir.h"

namespace tarvo {
namespace {

TEST(AppVersion, TheCommandLineTheAppAndTheUpdateCheckAgree) {
  EXPECT_EQ(VersionLine(), "Tarvo V1.15");
  testing::TempDir dir;
  auto device = Device::Open(dir.File("phone"));
  ASSERT_TRUE(device);
  ui::Ui ui;
  CTarvoApp app(*device, ui);
  EXPECT_EQ(app.AppVersion, u"1.15");
  // The update check's default running version is the same one.
  EXPECT_EQ(DecideUpdate("[Update]\nVersion=1.15\nisValid=1\n", u"").action, UpdateAction::kNone);
  EXPECT_NE(DecideUpdate("[Update]\nVersion=1.16\nisValid=1\n", u"").action, UpdateAction::kNone);
}

}  // namespace
}  // namespace tarvo
