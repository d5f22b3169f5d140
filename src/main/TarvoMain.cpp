// tarvo: the launcher on a simulated phone, in a window or headless.
#include <cstdio>
#include <iostream>
#include <memory>

#include "app/TarvoApp.h"
#include "launcher/CTarvoDlg.h"
#include "main/LauncherState.h"
#include "main/TarvoOptions.h"
#include "platform/device/DebugOutput.h"
#include "platform/device/Device.h"
#include "platform/device/InstanceGuard.h"
#include "platform/ui/ImageCodec.h"
#include "platform/ui/SdlDisplay.h"
#include "platform/ui/Ui.h"

namespace {

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;
constexpr int kExitDeviceBusy = 3;

}  // namespace

int main(int argc, char** argv) {
  using namespace tarvo;
  std::string error;
  auto parsed = ParseTarvoOptions(std::vector<std::string>(argv + 1, argv + argc), &error);
  if (!parsed) {
    std::fprintf(stderr, "tarvo: %s\n%s", error.c_str(), kTarvoUsage);
    return kExitUsage;
  }
  const TarvoOptions& options = *parsed;
  if (options.help) {
    std::fputs(kTarvoUsage, stdout);
    return 0;
  }
  if (options.version) {
    std::puts("Tarvo V1.15");
    return 0;
  }
  if (options.debug) SetDebugOutput(true);

  const std::string deviceDir = options.deviceDir.empty() ? Device::DefaultDirectory() : options.deviceDir;
  auto device = Device::Open(deviceDir, &error);
  if (!device) {
    std::fprintf(stderr, "tarvo: %s\n", error.c_str());
    return kExitUsage;
  }
  InstanceGuard guard(deviceDir);
  if (!guard.Acquire()) {
    if (options.headless) {
      std::fprintf(stderr, "tarvo: another tarvo runs on the device %s\n", deviceDir.c_str());
      return kExitDeviceBusy;
    }
    guard.AskOwnerToComeForward();
    return 0;
  }

  ui::UiOptions uiOptions;
  uiOptions.width = options.width > 0 ? options.width : device->Profile().ScreenWidth();
  uiOptions.height = options.height > 0 ? options.height : device->Profile().ScreenHeight();
  uiOptions.answerMessageBoxes = options.headless;
  ui::Ui ui(uiOptions);
  std::unique_ptr<ui::SdlDisplay> display;
  if (!options.headless) {
    display = ui::SdlDisplay::Open(uiOptions.width, uiOptions.height, options.zoom, "Tarvo");
    if (display == nullptr) {
      std::fprintf(stderr, "tarvo: no display could open a window; run with --headless\n");
      return kExitUsage;
    }
    ui.SetDisplay(display.get());
  }

  CTarvoApp app(*device, ui);
  int result = 0;
  bool finished = false;
  bool screenshotSaved = true;
  ui.PostTask([&] {
    result = app.InitInstance([&] {
      CTarvoDlg launcher(app);
      guard.ListenForRequests([&ui, &launcher] { ui.PostTask([&launcher] { launcher.ComeForward(); }); });
      if (options.dumpState || !options.screenshotPath.empty() || options.exitAfterFirstFrame) {
        // Once the launcher has drawn its first frame: do what was asked and end.
        ui.PostTask([&] {
          ui.RenderScreen();
          if (!options.screenshotPath.empty()) {
            screenshotSaved = ui::SavePng(ui.Screen(), options.screenshotPath);
            if (!screenshotSaved) std::fprintf(stderr, "tarvo: cannot write %s\n", options.screenshotPath.c_str());
          }
          if (options.dumpState) std::cout << LauncherStateJson(app) << std::endl;
          launcher.EndDialog(ui::kIdOk);
        });
      }
      return launcher.DoModal();
    });
    finished = true;
    ui.Quit();
  });
  ui.RunUntil([&] { return finished; });
  ui.SetDisplay(nullptr);
  if (result < 0) return kExitRefused;
  return screenshotSaved ? 0 : kExitRefused;
}
