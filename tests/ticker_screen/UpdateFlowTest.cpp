// The update check end to end: the stand-in's update list and installer, the
// question, the installer's start and the end for it, and the installer
// download's faults.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "ContentRoutes.h"
#include "TickerScreenFixture.h"
#include "platform/ui/automation/UiAutomation.h"

namespace tarvo {
namespace {

constexpr char16_t kInstaller[] = u"\\windows\\TarvoUpdate.exe";

class UpdateFlowTest : public TickerScreenFixture {
 protected:
  void ServeVariant(const std::string& name) {
    std::ifstream in(std::string(TARVO_SERVER_DATA_DIR) + "/variants/update/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    ASSERT_FALSE(bytes.str().empty()) << name;
    WriteContent("tarvo/update.txt", bytes.str());
  }
  // The phone's profile with fetch steps of a second, for stalled servers.
  void ShortTimeouts() {
    if (servers_.HttpPort() == 0) StartServers();
    device_ = testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort());
    device_.reset();
    std::ofstream(dir_.File("phone/device.ini"), std::ios::app) << "\n[Network]\nTimeoutMs=1000\n";
  }
  void LaunchWithCheck() {
    withUpdateCheck_ = true;
    Launch();
  }
  bool CheckEnded() {
    return driver_->WaitFor([this] { return !app_->Jobs.IsRunning(kUpdateCheckJob); },
                            std::chrono::milliseconds(8000));
  }
  // The installer was not started and the launcher goes on.
  void ExpectNotStarted() {
    ASSERT_TRUE(CheckEnded());
    EXPECT_FALSE(device_->Files().FileExists(kInstaller));
    EXPECT_EQ(LaunchLog().find("TarvoUpdate.exe"), std::string::npos);
    EXPECT_TRUE(driver_->Invoke([this] { return launcher_ != nullptr && launcher_->IsVisible(); }));
    EXPECT_FALSE(app_->InstallerStarted);
  }
};

TEST_F(UpdateFlowTest, ASilentUpdateStartsTheWholeInstallerAndEndsTheProgram) {
  ServeVariant("update-silent-2.0.txt");
  LaunchWithCheck();
  ASSERT_TRUE(WaitFinished(std::chrono::milliseconds(10000)));
  EXPECT_EQ(code_, 0);
  EXPECT_TRUE(app_->InstallerStarted);
  EXPECT_EQ(device_->Files().ReadAll(kInstaller), servers::StandInInstaller());
  const auto handOver = device_->Files().ReadAll(u"\\windows\\Tarvo.ini");
  ASSERT_TRUE(handOver);
  EXPECT_NE(handOver->find("[Tarvo]"), std::string::npos);
  EXPECT_NE(handOver->find("TarvoPath=\\Program Files\\Tarvo\\"), std::string::npos);
  EXPECT_NE(LaunchLog().find("\\windows\\TarvoUpdate.exe"), std::string::npos);
  // The next start clears what the installer left.
  driver_.reset();
  app_.reset();
  testing::ScreenDriver second(240, 320);
  CTarvoApp next(*device_, second.GetUi());
  second.Start([&next] { next.PrepareApplication(); });
  EXPECT_TRUE(second.WaitFor([this] { return !device_->Files().FileExists(kInstaller); }));
  EXPECT_FALSE(device_->Files().FileExists(u"\\windows\\Tarvo.ini"));
  second.GetUi().Quit();
}

TEST_F(UpdateFlowTest, TheQuestionComesAndNoLeavesEverything) {
  ServeVariant("update-ask-1.16.txt");
  LaunchWithCheck();
  auto box = driver_->WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, u"\n发现新的版本，是否升级？  \n目前版本是 V1.15\n新的版本是 V1.16");
  EXPECT_EQ(box->caption, u"Tarvo");
  EXPECT_TRUE(driver_->SaveScreen("update-question-240x320.png"));
  ASSERT_TRUE(driver_->AnswerMessageBox(u"否"));
  ExpectNotStarted();
}

TEST_F(UpdateFlowTest, TheSampleOffersNothing) {
  WriteContent("tarvo/update.txt", "[Update]\r\nVersion=1.15\r\nisValid=1\r\nisSilence=0\r\n");
  LaunchWithCheck();
  ExpectNotStarted();
  EXPECT_FALSE(driver_->ShownMessageBox());
}

class InstallerFaultTest : public UpdateFlowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(InstallerFaultTest, ABrokenInstallerIsNeverStarted) {
  ServeVariant("update-silent-2.0.txt");
  ShortTimeouts();
  ASSERT_TRUE(servers_.ArmFault("/tarvo/update.exe", GetParam()));
  LaunchWithCheck();
  ExpectNotStarted();
}

INSTANTIATE_TEST_SUITE_P(Faults, InstallerFaultTest,
                         ::testing::Values("reset:5000", "stall", "stall-body:5000", "status:404", "empty"),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

TEST_F(UpdateFlowTest, AnInstallerWithoutLengthIsStarted) {
  ServeVariant("update-silent-2.0.txt");
  StartServers();
  ASSERT_TRUE(servers_.ArmFault("/tarvo/update.exe", "no-length"));
  LaunchWithCheck();
  ASSERT_TRUE(WaitFinished(std::chrono::milliseconds(10000)));
  EXPECT_TRUE(app_->InstallerStarted);
  EXPECT_EQ(device_->Files().ReadAll(kInstaller), servers::StandInInstaller());
}

TEST_F(UpdateFlowTest, ExitDuringATrickleEndsInTimeAndLeavesNoPartialInstaller) {
  ServeVariant("update-silent-2.0.txt");
  StartServers();
  ASSERT_TRUE(servers_.ArmFault("/tarvo/update.exe", "trickle:2048:50"));
  LaunchWithCheck();
  // The progress window shows over the launcher while the installer trickles in.
  ASSERT_TRUE(driver_->WaitFor([this] { return app_->UpdateProgress != nullptr; }));
  ASSERT_TRUE(driver_->WaitFor([this] { return device_->Files().FileExists(kInstaller); }));
  const auto start = std::chrono::steady_clock::now();
  driver_->Invoke([this] { launcher_->EndDialog(ui::kIdOk); });
  ASSERT_TRUE(WaitFinished(std::chrono::milliseconds(5000)));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_FALSE(app_->InstallerStarted);
  EXPECT_FALSE(device_->Files().FileExists(kInstaller));
}

// The installer download's window alone, at three points of the way.
class UpdateProgressTest : public TickerScreenFixture {};

TEST_F(UpdateProgressTest, TheTextAboveTheBarAtTheBottom) {
  for (const auto& [width, height] : {std::pair{240, 320}, std::pair{480, 800}}) {
    SCOPED_TRACE(width);
    TearDown();
    app_.reset();
    device_.reset();
    launcher_ = nullptr;
    Launch(width, height);
    driver_->Invoke([this] {
      auto window = std::make_unique<CUpdateProgress>(*app_);
      ASSERT_TRUE(window->CreateModeless());
      app_->UpdateProgress = std::move(window);
    });
    auto* progress = driver_->Invoke([this] { return dynamic_cast<CUpdateProgress*>(app_->UpdateProgress.get()); });
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(driver_->Engine().WaitText(u"升级程序下载中...").ok);
    for (int tenth : {0, 5, 10}) {
      driver_->Invoke([progress, tenth] { progress->SetTenth(tenth); });
      EXPECT_EQ(driver_->Invoke([progress] { return progress->Position(); }), tenth * 10);
      EXPECT_TRUE(driver_->SaveScreen("update-progress-" + std::to_string(tenth * 10) + "-" + std::to_string(width) +
                                      "x" + std::to_string(height) + ".png"));
      if (tenth == 5 && width == 240) {
        EXPECT_TRUE(testing::MatchesReferencePng(driver_->Screenshot(), "update-progress-240x320.png"));
      }
    }
    const auto [text, bar] = driver_->Invoke([progress] {
      ui::Window* caption = testing::FindDescendant(progress, CUpdateProgress::kTextId);
      ui::Window* bar = testing::FindDescendant(progress, CUpdateProgress::kBarId);
      return std::pair{caption->ScreenRect(), bar->ScreenRect()};
    });
    EXPECT_EQ(bar.bottom, text.bottom + app_->Metrics.ButtonHeight);
    EXPECT_EQ(text.Height(), app_->Metrics.TextHeight);
    EXPECT_EQ(bar.Width(), width);
    // Keys do not close it.
    driver_->Key(ui::keys::kEscape);
    driver_->Sync();
    EXPECT_TRUE(driver_->Invoke([this] { return app_->UpdateProgress != nullptr && app_->UpdateProgress->IsVisible(); }));
    driver_->Invoke([this] { app_->UpdateProgress.reset(); });
  }
}

}  // namespace
}  // namespace tarvo
