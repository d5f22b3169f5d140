#include "platform/ui/Simulator.h"

#include <gtest/gtest.h>

#include "platform/text/Utf8.h"
#include "platform/ui/ImageCodec.h"
#include "platform/ui/MessageBox.h"
#include "support/TempDir.h"

namespace tarvo::ui {
namespace {

TEST(SimulatorOptions, ReadsItsOwnOptionsAndLeavesTheRest) {
  std::vector<std::string> args = {"--device", "d", "--headless", "--zoom", "3", "--size", "480x800",
                                   "--screenshot", "s.png"};
  auto options = ParseSimulatorOptions(args);
  ASSERT_TRUE(options);
  EXPECT_TRUE(options->headless);
  EXPECT_EQ(options->zoom, 3);
  EXPECT_EQ(options->width, 480);
  EXPECT_EQ(options->height, 800);
  EXPECT_EQ(options->screenshotPath, "s.png");
  EXPECT_EQ(args, (std::vector<std::string>{"--device", "d"}));
}

TEST(SimulatorOptions, MalformedValuesAreRefused) {
  for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
           {"--zoom"}, {"--zoom", "0"}, {"--zoom", "x"}, {"--size", "480"}, {"--size", "0x5"},
           {"--size", "99999999x1"}, {"--screenshot"}}) {
    EXPECT_FALSE(ParseSimulatorOptions(args)) << args[0];
  }
}

TEST(HeadlessRuns, AScreenshotRunSavesTheSettledScreenAndEnds) {
  testing::TempDir dir;
  SimulatorOptions options;
  options.headless = true;
  options.screenshotPath = dir.File("shot.png");
  int code = -2;
  EXPECT_EQ(RunSimulator(options, [&](Ui& ui) {
              Dialog dialog(ui, u"截图");
              code = dialog.DoModal();
            }),
            0);
  EXPECT_EQ(code, kIdAbort);
  HostFileAccess host;
  auto shot = LoadImageFile(host, FromUtf8(dir.File("shot.png")));
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot->Width(), 240);
  EXPECT_EQ(shot->ColorAt(120, 150), Rgb(255, 255, 255));  // the dialog is on screen
}

TEST(HeadlessRuns, MessageBoxesAreAnsweredWithoutAgreeing) {
  SimulatorOptions options;
  options.headless = true;
  int answer = 0;
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunSimulator(options, [&](Ui& ui) { answer = MessageBox(ui, u"现在拨号?", u"连接", kMbYesNo); }), 0);
  std::string printed = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(answer, kIdNo);
  EXPECT_NE(printed.find("[连接] 现在拨号? -> No"), std::string::npos);
}

}  // namespace
}  // namespace tarvo::ui
