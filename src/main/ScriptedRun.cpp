#include "main/ScriptedRun.h"

#include <iostream>

#include "platform/ui/Dialog.h"
#include "platform/ui/automation/ScriptRunner.h"

namespace tarvo {
namespace {

// Enough rounds for every dialog, box and menu that can be stacked.
constexpr int kCloseRounds = 64;

}  // namespace

ScriptedRun::ScriptedRun(ui::Ui& ui, Device& device, ui::automation::Script script, int stepDelayMs)
    : ui_(ui), device_(device), script_(std::move(script)), stepDelayMs_(stepDelayMs), engine_(ui) {}

ScriptedRun::~ScriptedRun() {
  if (thread_.joinable()) {
    engine_.MarkEnded();
    thread_.join();
  }
}

void ScriptedRun::Start() {
  thread_ = std::thread([this] { RunScript(); });
}

void ScriptedRun::ProgramEnded(int status) {
  programStatus_ = status;  // read by the runner after MarkEnded, under the engine's lock
  engine_.MarkEnded();
}

int ScriptedRun::Finish() {
  if (thread_.joinable()) thread_.join();
  return status_;
}

void ScriptedRun::RunScript() {
  // The first window up: the launcher, or a box it shows while starting.
  engine_.WaitFor([this] { return ui_.ActiveWindow() != nullptr; }, kStartBound);
  ui::automation::ScriptHost host;
  host.phoneFileExists = [this](const WString& path) { return device_.Files().FileExists(path); };
  host.exitStatus = [this] { return programStatus_; };
  ui::automation::ScriptRunner runner(engine_, std::move(host), std::cout);
  runner.SetStepDelay(std::chrono::milliseconds(stepDelayMs_));
  status_ = runner.Run(script_);
  if (!engine_.Ended()) CloseProgram();
}

void ScriptedRun::CloseProgram() {
  for (int round = 0; round < kCloseRounds && !engine_.Ended(); ++round) {
    // One window a round, the topmost: ending it returns its loop, and the
    // code around that loop may show something else before the next round.
    const bool ran = engine_.Run([this] {
      const auto& tops = ui_.TopLevels();
      for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        ui::Window* window = *it;
        if (!window->IsVisible()) continue;
        if (window->IsPopup()) {
          window->OnPenDownOutside(ui::Point{-1, -1});
          return;
        }
        auto* dialog = dynamic_cast<ui::Dialog*>(window);
        if (dialog == nullptr || !dialog->IsModalRunning()) continue;
        // The last dialog is the launcher: it ends as "退出" ends it.
        const bool last = std::none_of(tops.begin(), it.base() - 1, [](ui::Window* below) {
          auto* other = dynamic_cast<ui::Dialog*>(below);
          return other != nullptr && other->IsModalRunning();
        });
        dialog->EndDialog(last ? ui::kIdOk : ui::kIdCancel);
        return;
      }
      // A minimised launcher is hidden but still runs its loop.
      for (ui::Window* window : tops) {
        auto* dialog = dynamic_cast<ui::Dialog*>(window);
        if (dialog != nullptr && dialog->IsModalRunning()) {
          dialog->EndDialog(ui::kIdOk);
          return;
        }
      }
    });
    if (!ran) break;
    engine_.Sync();
  }
  if (!engine_.WaitEnded(kCloseBound)) ui_.Quit();
}

}  // namespace tarvo
