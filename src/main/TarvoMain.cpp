// tarvo: the launcher on a simulated phone, in a window or headless.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "app/shell/TarvoApp.h"
#include "launcher/CTarvoDlg.h"
#include "main/ToolTable.h"
#include "main/UpdateWork.h"
#include "main/LauncherState.h"
#include "main/ScriptedRun.h"
#include "main/TarvoOptions.h"
#include "platform/device/DebugOutput.h"
#include "platform/device/Device.h"
#include "platform/device/InstanceGuard.h"
#include "platform/ui/ImageCodec.h"
#include "platform/ui/SdlDisplay.h"
#include "platform/ui/Ui.h"
#include "platform/ui/automation/Script.h"
#include "platform/ui/automation/UiDump.h"

namespace {

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;
constexpr int kExitDeviceBusy = 3;
constexpr int kExitScriptMalformed = 2;
// After the jobs' own bound: screens' workers still winding down.
constexpr std::chrono::milliseconds kLastWorkersBound{500};

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
    std::puts(VersionLine().c_str());
    return 0;
  }
  if (options.debug) SetDebugOutput(true);

  // A script is read and checked whole before anything starts.
  std::optional<ui::automation::Script> script;
  if (!options.scriptPath.empty()) {
    std::ifstream file(options.scriptPath, std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "tarvo: cannot read the script %s\n", options.scriptPath.c_str());
      return kExitScriptMalformed;
    }
    std::ostringstream text;
    text << file.rdbuf();
    script = ui::automation::ParseScript(text.str(), &error);
    if (!script) {
      std::fprintf(stderr, "tarvo: %s: %s\n", options.scriptPath.c_str(), error.c_str());
      return kExitScriptMalformed;
    }
  }

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
  // A scripted run answers its boxes itself (the answer step).
  uiOptions.answerMessageBoxes = options.headless && !script;
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
  std::unique_ptr<ScriptedRun> scripted;
  if (script) scripted = std::make_unique<ScriptedRun>(ui, *device, std::move(*script), options.stepDelayMs);
  bool refused = false;
  bool finished = false;
  bool screenshotSaved = true;
  ui.PostTask([&] {
    const int code = app.InitInstance([&] {
      StartUpdateCheck(app);
      CTarvoDlg launcher(app);
      RegisterTools(launcher, app);
      // Once the launcher's loop runs, so that its handle is valid: a request
      // that comes after the launcher has gone finds no window and is dropped.
      ui.PostTask([&guard, &ui, &launcher] {
        const ui::WindowHandle handle = launcher.Handle();
        guard.ListenForRequests([&ui, handle] {
          DebugTrace("tarvo: another start asks this one to come forward\n");
          ui.PostTask([&ui, handle] {
            if (auto* window = dynamic_cast<CTarvoDlg*>(ui.FromHandle(handle))) window->ComeForward();
          });
        });
      });
      if (options.dumpState || options.dumpUi || !options.screenshotPath.empty() || options.exitAfterFirstFrame) {
        // Once the launcher has drawn its first frame: do what was asked and end.
        ui.PostTask([&] {
          ui.RenderScreen();
          if (!options.screenshotPath.empty()) {
            screenshotSaved = ui::SavePng(ui.Screen(), options.screenshotPath);
            if (!screenshotSaved) std::fprintf(stderr, "tarvo: cannot write %s\n", options.screenshotPath.c_str());
          }
          if (options.dumpState) std::cout << LauncherStateJson(app) << std::endl;
          if (options.dumpUi) {
            std::cout << ui::automation::DumpUi(ui).dump(2, ' ', false,
                                                         nlohmann::ordered_json::error_handler_t::replace)
                      << std::endl;
          }
          launcher.EndDialog(ui::kIdOk);
        });
      }
      return launcher.DoModal();
    });
    refused = code == CTarvoApp::kRefused;
    finished = true;
    if (scripted) scripted->ProgramEnded(refused ? kExitRefused : 0);
    ui.Quit();
  });
  if (scripted) scripted->Start();
  ui.RunUntil([&] { return finished; });
  const int scriptStatus = scripted ? scripted->Finish() : 0;
  guard.StopListening();
  ui.SetDisplay(nullptr);
  const int status = scripted ? scriptStatus : refused || !screenshotSaved ? kExitRefused : 0;
  // A worker that did not stop within the exit bound may still use what the
  // destructors would free: end the process here, as it is.
  if (!app.JobsEndedInTime || !ui.Workers().WaitUntilIdle(kLastWorkersBound)) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}
