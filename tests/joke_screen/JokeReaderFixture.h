#pragma once
// The launcher on a throwaway phone whose content server is the stand-in on
// an ephemeral port, driven headless; the joke reader opens from its item.
#include <gtest/gtest.h>

#include "StandInServers.h"
#include "app/shell/TarvoApp.h"
#include "jokes/screens/CJoke.h"
#include "launcher/CTarvoDlg.h"
#include "support/LauncherRun.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo {

class JokeReaderFixture : public ::testing::Test {
 protected:
  void StartServers(const std::string& dataDir = TARVO_SERVER_DATA_DIR) {
    servers::ServerOptions options;
    options.dataDir = dataDir;
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  // config: INI text put into the launcher's configuration before start.
  void Launch(const std::string& config = "[Joke]\r\nAutoPrompt=1\r\n", int width = 240, int height = 320) {
    if (servers_.HttpPort() == 0) StartServers();
    device_ = testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort());
    ASSERT_TRUE(device_);
    device_->Files().WriteAtomically(u"\\Program Files\\Tarvo\\temp\\TarvoConfig.ini", config);
    driver_ = std::make_unique<testing::ScreenDriver>(width, height);
    app_ = std::make_unique<CTarvoApp>(*device_, driver_->GetUi());
    ASSERT_TRUE(testing::RunLauncherWithTools(*driver_, *app_, launcher_));
  }
  // A phone from the template, pointed at the stand-in, with no connection; a dial-up brings
  // up dialResult (empty: dialling fails). Call after StartServers, before Launch.
  void PrepareOfflinePhone(const std::string& dialResult) {
    ASSERT_TRUE(testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort()));
    std::string profile = dir_.Read("phone/device.ini");
    for (auto [key, value] : {std::pair<std::string, std::string>{"Status=", ""}, {"DialResult=", dialResult},
                              {"DialDelayMs=", "0"}}) {
      const size_t at = profile.find("\n" + key);
      ASSERT_NE(at, std::string::npos) << key;
      const size_t end = profile.find('\n', at + 1);
      profile.replace(at + 1, end - at - 1, key + value);
    }
    dir_.Write("phone/device.ini", profile);
  }
  bool WaitLoaded() {
    return driver_->WaitFor([this] { return app_->Jokes.Facts().loaded; }, std::chrono::milliseconds(8000));
  }
  // Taps the launcher's item and waits for the reader.
  void OpenReader() {
    ASSERT_TRUE(Engine().TapText(u"笑口常开")) << "no launcher item";
    ASSERT_TRUE(driver_->WaitForDialog(u"笑口常开"));
  }
  CJoke* Reader() {
    return driver_->Invoke([this] { return dynamic_cast<CJoke*>(driver_->GetUi().ActiveWindow()); });
  }
  WString Heading() {
    return driver_->Invoke([this] {
      auto* reader = dynamic_cast<CJoke*>(driver_->GetUi().ActiveWindow());
      if (reader == nullptr) return WString();
      for (ui::Window* child : reader->Children()) {
        if (child->Text().rfind(u"笑话 ", 0) == 0) return child->Text();
      }
      return WString();
    });
  }
  WString ShownJoke() {
    return driver_->Invoke([this] {
      auto* reader = dynamic_cast<CJoke*>(driver_->GetUi().ActiveWindow());
      return reader ? reader->TextArea().Text() : WString();
    });
  }
  ui::Rect TextRect() {
    return driver_->Invoke([this] {
      auto* reader = dynamic_cast<CJoke*>(driver_->GetUi().ActiveWindow());
      return reader ? reader->TextArea().ScreenRect() : ui::Rect{};
    });
  }
  void TapControl(int id) {
    auto centre = driver_->ControlCenter(id);
    ASSERT_TRUE(centre);
    driver_->Tap(*centre);
    driver_->Sync();
  }
  void TypeInPageBox(WStringView text) {
    TapControl(CJoke::kPageId);
    driver_->Invoke([this] {
      if (auto* reader = dynamic_cast<CJoke*>(driver_->GetUi().ActiveWindow())) reader->PageBox().SetWindowText(u"");
    });
    driver_->Type(text);
    driver_->Sync();
  }
  // The box shown now, answered with button.
  std::optional<testing::MessageBoxInfo> Answer(WStringView button) {
    auto box = driver_->WaitForMessageBox();
    if (box) driver_->AnswerMessageBox(button);
    driver_->Sync();
    return box;
  }
  std::optional<uint32_t> LastPage() {
    return device_->GetRegistry().GetNumber(RegistryRoot::ClassesRoot, u"proinfo\\Tarvo XH", u"LastPage");
  }
  std::string Config() {
    return device_->Files().ReadAll(u"\\Program Files\\Tarvo\\temp\\TarvoConfig.ini").value_or("");
  }
  std::string LaunchLog() { return dir_.Read("phone/launch.log"); }
  ui::automation::UiAutomation& Engine() { return driver_->Engine(); }
  void TearDown() override {
    if (driver_) {
      driver_->GetUi().Quit();
      driver_.reset();
    }
    servers_.Stop();
  }

  testing::TempDir dir_;
  servers::StandInServers servers_;
  std::unique_ptr<Device> device_;
  std::unique_ptr<testing::ScreenDriver> driver_;
  std::unique_ptr<CTarvoApp> app_;
  CTarvoDlg* launcher_ = nullptr;
};

}  // namespace tarvo
