#pragma once
// The launcher on a throwaway phone whose content server is the stand-in on
// an ephemeral port, driven headless; the joke reader opens from its item.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "StandInServers.h"
#include "app/shell/TarvoApp.h"
#include "jokes/JokeJobs.h"
#include "jokes/screens/CJoke.h"
#include "launcher/CTarvoDlg.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
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
  // A copy of the sample data the test may change while the servers run.
  void ServeSampleCopy() {
    std::filesystem::copy(TARVO_SERVER_DATA_DIR, data_.Path(), std::filesystem::copy_options::recursive);
    StartServers(data_.Path());
  }
  void ServeLead(int end) {
    data_.Write("content/xh/xh00000.txt", "[Info]\r\nStep=10\r\nEnd=" + std::to_string(end) + "\r\n");
  }
  // File n of ten jokes "新笑话n-0" to "新笑话n-9", each with its line end.
  void ServeFile(int number) {
    std::string text;
    for (int i = 0; i < 10; ++i) text += "#新笑话" + std::to_string(number) + "-" + std::to_string(i) + "\r\n";
    char name[32];
    std::snprintf(name, sizeof name, "content/xh/xh%05d.txt", number);
    data_.Write(name, ToCodePage(FromUtf8(text), "GBK"));
  }
  size_t Requests(const std::string& target) {
    size_t count = 0;
    for (const auto& request : servers_.Requests()) count += request.target == target ? 1 : 0;
    return count;
  }
  bool SyncOver() {
    return driver_->WaitFor([this] {
      return !app_->Jobs.IsRunning(kJokeSyncJob) && !driver_->GetUi().IsWaitCursor();
    });
  }
  int Count() { return driver_->Invoke([this] { return app_->Jokes.Facts().count; }); }
  void Update() { ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"更新笑话"})); }
  void OpenLoadedReader() {
    ASSERT_TRUE(WaitLoaded());
    OpenReader();
    driver_->Sync();
    ASSERT_FALSE(driver_->ShownMessageBox());
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
  // The phone made from the template and pointed at the stand-in before the
  // launcher starts, so that a test can change its profile. Call after StartServers.
  void PreparePhone() { ASSERT_TRUE(testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort())); }
  // Replaces the profile's line "key=..." with "key=value".
  void SetProfileLine(const std::string& key, const std::string& value) {
    std::string profile = dir_.Read("phone/device.ini");
    const size_t at = profile.find("\n" + key + "=");
    ASSERT_NE(at, std::string::npos) << key;
    const size_t end = profile.find('\n', at + 1);
    profile.replace(at + 1, end - at - 1, key + "=" + value);
    dir_.Write("phone/device.ini", profile);
  }
  // A phone that has synced before: the registry holds the lead's step and end.
  void StoreLead(uint32_t step, uint32_t end) {
    auto phone = testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort());
    ASSERT_TRUE(phone);
    ASSERT_TRUE(phone->GetRegistry().SetNumber(RegistryRoot::ClassesRoot, u"proinfo\\Tarvo XH", u"step", step));
    ASSERT_TRUE(phone->GetRegistry().SetNumber(RegistryRoot::ClassesRoot, u"proinfo\\Tarvo XH", u"end", end));
  }
  void AddToProfile(const std::string& text) { dir_.Write("phone/device.ini", dir_.Read("phone/device.ini") + text); }
  // A phone with no connection; a dial-up brings up dialResult (empty: dialling fails).
  void PrepareOfflinePhone(const std::string& dialResult) {
    PreparePhone();
    SetProfileLine("Status", "");
    SetProfileLine("DialResult", dialResult);
    SetProfileLine("DialDelayMs", "0");
  }
  bool WaitLoaded() {
    return driver_->WaitFor([this] { return app_->Jokes.Facts().loaded; }, std::chrono::milliseconds(8000));
  }
  // Taps the launcher's item and waits for the reader.
  void OpenReader() {
    ASSERT_TRUE(Engine().TapText(u"笑口常开")) << "no launcher item";
    ASSERT_TRUE(driver_->WaitForDialog(u"笑口常开"));
  }
  // Starts the launcher with the default configuration, waits for the jokes
  // and opens the reader.
  void LaunchAndOpenReader() {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_TRUE(WaitLoaded());
    ASSERT_NO_FATAL_FAILURE(OpenReader());
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
  // The reader's window, its heading and a control, in screen coordinates.
  ui::Rect ReaderRect() {
    return driver_->Invoke([this] {
      auto* reader = dynamic_cast<CJoke*>(driver_->GetUi().ActiveWindow());
      return reader ? reader->ScreenRect() : ui::Rect{};
    });
  }
  ui::Rect HeadingRect() {
    return driver_->Invoke([this] {
      auto* reader = dynamic_cast<CJoke*>(driver_->GetUi().ActiveWindow());
      if (reader == nullptr) return ui::Rect{};
      for (ui::Window* child : reader->Children()) {
        if (child->Text().rfind(u"笑话 ", 0) == 0) return child->ScreenRect();
      }
      return ui::Rect{};
    });
  }
  ui::Rect ControlRect(int id) {
    return driver_->Invoke([this, id] {
      ui::Window* control = testing::FindDescendant(driver_->GetUi().ActiveWindow(), id);
      return control ? control->ScreenRect() : ui::Rect{};
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
  testing::TempDir data_;
  servers::StandInServers servers_;
  std::unique_ptr<Device> device_;
  std::unique_ptr<testing::ScreenDriver> driver_;
  std::unique_ptr<CTarvoApp> app_;
  CTarvoDlg* launcher_ = nullptr;
};

}  // namespace tarvo
