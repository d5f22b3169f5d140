#pragma once
// The launcher on a throwaway phone whose content server is the stand-in on
// an ephemeral port, serving the ticker files a test writes; headless, on the
// virtual clock, so that each 150 ms advanced is one tick of the ticker.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "StandInServers.h"
#include "app/shell/TarvoApp.h"
#include "launcher/CTarvoDlg.h"
#include "main/ToolTable.h"
#include "main/UpdateWork.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "support/TempDir.h"
#include "support/TestDevice.h"
#include "support/ui/ScreenDriver.h"

namespace tarvo {

class TickerScreenFixture : public ::testing::Test {
 protected:
  // A lead of one group of `count` messages in one list file.
  void ServeMessages(const std::vector<std::string>& lines, int show = 1, int type = 4) {
    const int count = static_cast<int>(lines.size());
    WriteContent("tarvo/TarvoMsgLead.txt", "show=" + std::to_string(show) + ";frequency=60;type=" +
                                               std::to_string(type) + ";count=1;total1=" + std::to_string(count) +
                                               ";start1=1;end1=" + std::to_string(count) + ";step1=10;");
    std::string list;
    for (const std::string& line : lines) list += line + "\r\n";
    WriteContent("tarvo/TarvoMsgList1.txt", ToCodePage(FromUtf8(list), "GBK"));
  }
  void WriteContent(const std::string& relative, const std::string& bytes) {
    dir_.Write("data/content/" + relative, bytes);
  }
  void StartServers() {
    servers::ServerOptions options;
    options.dataDir = dir_.File("data");
    options.faults = true;
    std::string error;
    ASSERT_TRUE(servers_.Start(options, &error)) << error;
  }
  void Launch(int width = 240, int height = 320, bool v9 = false) {
    if (servers_.HttpPort() == 0) StartServers();
    device_ = testing::OpenTestDevice(dir_.File("phone"), servers_.HttpPort());
    ASSERT_TRUE(device_);
    if (!config_.empty()) device_->Files().WriteAtomically(u"\\Program Files\\Tarvo\\temp\\TarvoConfig.ini", config_);
    if (v9)
      device_->GetRegistry().SetString(RegistryRoot::LocalMachine, u"SOFTWARE\\Microsoft\\VERSION", u"VERSION",
                                       u"Phone V9");
    driver_ = std::make_unique<testing::ScreenDriver>(width, height);
    app_ = std::make_unique<CTarvoApp>(*device_, driver_->GetUi());
    driver_->Start([this] {
      const int code = app_->InitInstance([this] {
        if (withUpdateCheck_) StartUpdateCheck(*app_);
        CTarvoDlg launcher(*app_);
        RegisterTools(launcher, *app_);
        launcher_ = &launcher;
        const int code = launcher.DoModal();
        launcher_ = nullptr;
        return code;
      });
      std::lock_guard<std::mutex> guard(finishMutex_);
      code_ = code;
      finished_ = true;
      finishedSignal_.notify_all();
    });
    ASSERT_TRUE(driver_->WaitFor([this] { return launcher_ != nullptr && launcher_->IsVisible(); }));
  }
  // Waits until the refresh has reached the launcher.
  bool WaitRefreshed(size_t messages) {
    return driver_->WaitFor([this, messages] {
      return launcher_ != nullptr && launcher_->GetTicker().Messages().size() == messages &&
             launcher_->GetTicker().Config().frequency == 60;
    });
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i) driver_->AdvanceTime(150);
    driver_->Sync();
  }
  template <class F>
  auto OnTicker(F read) {
    return driver_->Invoke([this, read] { return read(launcher_->GetTicker()); });
  }
  ui::Rect Band() { return driver_->Invoke([this] { return launcher_->TickerRect(); }); }
  // Waits until the program's run (launcher and exit sequence) has returned.
  bool WaitFinished(std::chrono::milliseconds deadline) {
    std::unique_lock<std::mutex> lock(finishMutex_);
    return finishedSignal_.wait_for(lock, deadline, [this] { return finished_; });
  }
  std::string LaunchLog() { return dir_.Read("phone/launch.log"); }
  void TearDown() override {
    if (driver_) {
      driver_->GetUi().Quit();
      driver_.reset();
    }
  }

  testing::TempDir dir_;
  servers::StandInServers servers_;
  std::unique_ptr<Device> device_;
  std::unique_ptr<testing::ScreenDriver> driver_;
  std::unique_ptr<CTarvoApp> app_;
  CTarvoDlg* launcher_ = nullptr;
  std::mutex finishMutex_;
  std::condition_variable finishedSignal_;
  bool finished_ = false;
  int code_ = -2;
  bool withUpdateCheck_ = false;  // the start-up update check runs, as in tarvo
  std::string config_;  // the launcher's configuration file, when given
};

}  // namespace tarvo
