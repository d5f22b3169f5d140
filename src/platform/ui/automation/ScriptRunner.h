#pragma once
// Runs a parsed script against a running Ui through the engine, one line of
// output a step ("12 tap-text 视频搜索: ok"). The first step that fails
// prints why and what was on the screen instead, and writes
// script-failure.png and script-failure.json into the working folder.
#include <chrono>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "platform/text/WString.h"
#include "platform/ui/automation/Script.h"
#include "platform/ui/automation/UiAutomation.h"

namespace tarvo::ui::automation {

// What the runner asks of the program around the Ui.
struct ScriptHost {
  // The phone file exists (called on the runner's thread).
  std::function<bool(const WString& phonePath)> phoneFileExists;
  // The program's exit status once it has ended by itself.
  std::function<int()> exitStatus;
};

class ScriptRunner {
 public:
  static constexpr int kExitHeld = 0;
  static constexpr int kExitFailed = 1;
  static constexpr int kExitMalformed = 2;
  static constexpr const char* kFailurePng = "script-failure.png";
  static constexpr const char* kFailureJson = "script-failure.json";

  ScriptRunner(UiAutomation& engine, ScriptHost host, std::ostream& out);
  // Time let pass after every step (a windowed run slowed for watching).
  void SetStepDelay(std::chrono::milliseconds delay) { stepDelay_ = delay; }
  // Runs every step; 0 when all held, 1 at the first that failed, the
  // program's status after an expect-exit that held.
  int Run(const Script& script);
  // Whether the last run ended with the program's own end (expect-exit).
  bool ProgramEnded() const { return programEnded_; }

 private:
  Outcome RunStep(const ScriptStep& step);
  void ReportFailure(const ScriptStep& step, const Outcome& outcome);

  UiAutomation& engine_;
  ScriptHost host_;
  std::ostream& out_;
  std::chrono::milliseconds stepDelay_{0};
  bool programEnded_ = false;
};

}  // namespace tarvo::ui::automation
