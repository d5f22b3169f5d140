#pragma once
// A launcher with the net TV and site tools, on a throwaway device whose
// servers are a stand-in on an ephemeral port, driven headless.
#include <filesystem>

#include "StandInServers.h"
#include "support/LauncherRun.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Edit.h"
#include "settings/SettingsFixture.h"

namespace tarvo::testing {

class TvScreensFixture : public SettingsFixture {
 protected:
  // Starts the stand-ins on the sample data (and channels), the device at
  // their port with short time-outs, then the launcher.
  void LaunchServed(int width = 240, int height = 320) {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
    PrepareDevice(servers_.HttpPort());
    LaunchPrepared(width, height);
  }
  void PrepareDevice(int port) {
    device_ = OpenTestDevice(dir_.File("phone"), port);
    ASSERT_TRUE(device_);
    device_.reset();
    AppendProfile("[Network]\nTimeoutMs=400\n");
  }
  void AppendProfile(const std::string& text) {
    std::string profile = dir_.Read("phone/device.ini");
    dir_.Write("phone/device.ini", profile + "\n" + text);
  }
  void SetProfileValue(const std::string& key, const std::string& value) {
    std::string profile = dir_.Read("phone/device.ini");
    const size_t at = profile.find("\n" + key + "=");
    ASSERT_NE(at, std::string::npos) << key;
    const size_t end = profile.find('\n', at + 1);
    profile.replace(at + 1, end - at - 1, key + "=" + value);
    dir_.Write("phone/device.ini", profile);
  }
  void LaunchPrepared(int width = 240, int height = 320) {
    device_ = Device::Open(dir_.File("phone"), nullptr);
    ASSERT_TRUE(device_);
    driver_ = std::make_unique<ScreenDriver>(width, height);
    app_ = std::make_unique<CTarvoApp>(*device_, driver_->GetUi());
    ASSERT_TRUE(testing::RunLauncherWithTools(*driver_, *app_, launcher_));
  }
  std::vector<WString> Column(int listId, size_t column = 0) {
    std::vector<WString> texts;
    for (const auto& row : driver_->ListRows(listId).value_or(std::vector<std::vector<WString>>{}))
      texts.push_back(column < row.size() ? row[column] : WString());
    return texts;
  }
  bool BackAtLauncher() {
    return driver_->WaitFor([this] { return driver_->GetUi().ActiveWindow() == launcher_; });
  }
  void Shot(const std::string& name) {
    std::filesystem::create_directories("tv-screens");
    driver_->SaveScreen("tv-screens/" + name + ".png");
  }
  std::string TvListXml() { return PhoneFile("Program Files/Tarvo/temp/TVList.xml"); }
  std::string SitesXml() { return PhoneFile("Program Files/Tarvo/temp/TarvoSiteswarm.xml"); }
  void TypeInto(int editId, WStringView text) {
    TapControl(editId);
    driver_->Invoke([this, editId, text = WString(text)] {
      auto* edit = dynamic_cast<ui::Edit*>(FindDescendant(driver_->GetUi().ActiveWindow(), editId));
      if (edit) edit->SetWindowText(text);
    });
  }

  servers::StandInServers servers_;
};

}  // namespace tarvo::testing
