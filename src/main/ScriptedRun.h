#pragma once
// `tarvo --script`: the script's runner on its own thread while the UI loop
// runs on the main thread. When the script ends (or fails) the program is
// closed as on "退出": every open dialog ends from the top, so the launcher
// returns and the exit sequence stops the jobs and writes the files.
#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "platform/device/Device.h"
#include "platform/ui/Ui.h"
#include "platform/ui/automation/Script.h"
#include "platform/ui/automation/UiAutomation.h"

namespace tarvo {

class ScriptedRun {
 public:
  // How long the runner waits for the first window, and for the program to
  // end once its dialogs were ended.
  static constexpr std::chrono::milliseconds kStartBound{10000};
  static constexpr std::chrono::milliseconds kCloseBound{10000};

  // Make before the Ui's loop runs.
  ScriptedRun(ui::Ui& ui, Device& device, ui::automation::Script script, int stepDelayMs);
  ~ScriptedRun();

  // Starts the runner thread.
  void Start();
  // Called on the UI thread once the program has ended (after its exit
  // sequence), with its own status.
  void ProgramEnded(int status);
  // Joins the runner; the run's exit status.
  int Finish();

 private:
  void RunScript();
  void CloseProgram();

  ui::Ui& ui_;
  Device& device_;
  ui::automation::Script script_;
  int stepDelayMs_;
  ui::automation::UiAutomation engine_;
  std::thread thread_;
  int programStatus_ = 0;
  int status_ = 0;
};

}  // namespace tarvo
