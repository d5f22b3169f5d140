#pragma once
// The launcher on a throwaway phone whose content server is the stand-in
// and whose account server is the stand-in account server (or a fake one),
// both on ephemeral ports, driven headless; the login opens from the joke
// reader's "选项" menu.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "StandInServers.h"
#include "account/AccountServer.h"
#include "app/shell/TarvoApp.h"
#include "jokes/screens/CLogin.h"
#include "jokes/screens/CUploadJoke.h"
#include "launcher/CTarvoDlg.h"
#include "platform/device/PhoneFileSystem.h"
#include "platform/text/Utf8.h"
#include "support/LauncherRun.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo {

class LoginFixture : public ::testing::Test {
 protected:
  void StartAccountServer() {
    servers::AccountServerOptions options;
    options.port = 0;
    options.databasePath = dir_.File("accounts.db");
    options.sampleDir = std::string(TARVO_SERVER_DATA_DIR) + "/account";
    options.timeout = std::chrono::milliseconds(5000);
    std::string error;
    ASSERT_TRUE(accounts_.Start(options, &error)) << error;
    accountServer_ = "127.0.0.1:" + std::to_string(accounts_.Port());
  }
  // accountServer: the profile's AccountServer (the stand-in's when empty);
  // timeoutMs: its AccountTimeoutMs. loginKeys: the [Login] section's lines.
  void Launch(const std::string& loginKeys = "", int width = 240, int height = 320, int timeoutMs = 3000) {
    servers::ServerOptions options;
    options.dataDir = TARVO_SERVER_DATA_DIR;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
    if (accountServer_.empty()) StartAccountServer();
    const std::string phone = dir_.File("phone");
    ASSERT_TRUE(Device::Open(phone));
    ASSERT_TRUE(testing::PointServersAt(phone, servers_.HttpPort()));
    SetProfileAccountServer(phone + "/device.ini", timeoutMs);
    device_ = Device::Open(phone, nullptr, Device::IfMissing::Fail);
    ASSERT_TRUE(device_);
    std::string config = "[Joke]\r\nAutoPrompt=1\r\n";
    if (!loginKeys.empty()) config += "[Login]\r\n" + loginKeys;
    device_->Files().WriteAtomically(u"\\Program Files\\Tarvo\\temp\\TarvoConfig.ini", config);
    driver_ = std::make_unique<testing::ScreenDriver>(width, height);
    app_ = std::make_unique<CTarvoApp>(*device_, driver_->GetUi());
    ASSERT_TRUE(testing::RunLauncherWithTools(*driver_, *app_, launcher_));
  }
  void SetProfileAccountServer(const std::string& profile, int timeoutMs) {
    std::ifstream in(profile, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    std::string rewritten = std::regex_replace(
        text.str(), std::regex("AccountServer=[^\r\n]*"),
        "AccountServer=" + accountServer_ + "\nAccountTimeoutMs=" + std::to_string(timeoutMs));
    std::ofstream(profile, std::ios::binary | std::ios::trunc) << rewritten;
  }
  // The reader from its launcher item, then "选项" / "登录"; with
  // waitForLogin, until the login dialog is on top.
  void OpenLogin(bool waitForLogin = true) {
    ASSERT_TRUE(driver_->Engine().TapText(u"笑口常开")) << "no launcher item";
    ASSERT_TRUE(driver_->WaitForDialog(u"笑口常开"));
    // The reader's own wait for its first joke file is over.
    ASSERT_TRUE(driver_->WaitFor([this] { return !driver_->GetUi().IsWaitCursor(); }, std::chrono::milliseconds(8000)));
    ASSERT_TRUE(driver_->PickMenuItem({u"选项", u"登录"}));
    if (!waitForLogin) return;
    ASSERT_TRUE(driver_->WaitForDialog(u"登录"));
    driver_->Sync();
  }
  CLogin* Login() {
    return driver_->Invoke([this] { return dynamic_cast<CLogin*>(driver_->GetUi().ActiveWindow()); });
  }
  void TypeInto(int id, WStringView text) {
    auto centre = driver_->ControlCenter(id);
    ASSERT_TRUE(centre) << "no control " << id;
    driver_->Tap(*centre);
    driver_->Sync();
    driver_->Invoke([this, id] {
      ui::Window* control = testing::FindDescendant(driver_->GetUi().ActiveWindow(), id);
      if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) combo->SetEditText(u"");
      if (auto* edit = dynamic_cast<ui::Edit*>(control)) edit->SetWindowText(u"");
    });
    driver_->Type(text);
    driver_->Sync();
  }
  void Tick(int id, bool on) {
    driver_->Invoke([this, id, on] {
      auto* box = dynamic_cast<ui::Button*>(testing::FindDescendant(driver_->GetUi().ActiveWindow(), id));
      if (box != nullptr && box->IsChecked() != on) box->Click();
    });
  }
  bool Ticked(int id) {
    return driver_->Invoke([this, id] {
      auto* box = dynamic_cast<ui::Button*>(testing::FindDescendant(driver_->GetUi().ActiveWindow(), id));
      return box != nullptr && box->IsChecked();
    });
  }
  // The real text of a field (the password field's unmasked).
  WString FieldText(int id) {
    return driver_->Invoke([this, id] {
      ui::Window* control = testing::FindDescendant(driver_->GetUi().ActiveWindow(), id);
      if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) return combo->GetWindowText();
      return control ? control->Text() : WString();
    });
  }
  std::vector<WString> StoredNames() {
    return driver_->Invoke([this] {
      std::vector<WString> names;
      auto* combo = dynamic_cast<ui::ComboBox*>(testing::FindDescendant(driver_->GetUi().ActiveWindow(), CLogin::kNameId));
      if (combo != nullptr)
        for (int i = 0; i < combo->GetCount(); ++i) names.push_back(combo->GetLBText(i));
      return names;
    });
  }
  void LogInAs(WStringView name, WStringView password) {
    TypeInto(CLogin::kNameId, name);
    TypeInto(CLogin::kPasswordId, password);
    ASSERT_TRUE(driver_->PickMenuItem({u"登录"}));
  }
  // The box shown now (waiting up to deadline), answered with button.
  std::optional<testing::MessageBoxInfo> Answer(WStringView button,
                                                std::chrono::milliseconds deadline = std::chrono::milliseconds(8000)) {
    auto box = driver_->WaitForMessageBox(deadline);
    if (box) driver_->AnswerMessageBox(button);
    driver_->Sync();
    return box;
  }
  std::string AccountFileBytes() { return device_->Files().ReadAll(u"\\windows\\systemacc").value_or("<none>"); }
  std::string AccountFileHostPath() {
    return device_->Files().HostPath(u"\\windows\\systemacc").value_or("");
  }
  bool AccountFileExists() { return device_->Files().FileExists(u"\\windows\\systemacc"); }
  int LoginKey(const char16_t* key) {
    return app_->Config().ReadInt(u"Login", key, -1, u"\\Program Files\\Tarvo\\temp\\TarvoConfig.ini");
  }
  void TearDown() override {
    if (driver_) {
      driver_->GetUi().Quit();
      driver_.reset();
    }
    servers_.Stop();
    accounts_.Stop();
  }

  testing::TempDir dir_;
  servers::StandInServers servers_;
  servers::AccountServer accounts_;
  std::string accountServer_;
  std::unique_ptr<Device> device_;
  std::unique_ptr<testing::ScreenDriver> driver_;
  std::unique_ptr<CTarvoApp> app_;
  CTarvoDlg* launcher_ = nullptr;
};

}  // namespace tarvo
