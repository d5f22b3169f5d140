#pragma once
// Runs a program on the simulated phone screen: an SDL window (--zoom N,
// default 2), or headless (--headless); --screenshot FILE saves the screen
// once the first screen has settled and ends the run. --size WxH picks the
// screen. Headless runs answer message boxes by themselves.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Ui.h"

namespace tarvo::ui {

struct SimulatorOptions {
  bool headless = false;
  int zoom = 2;
  int width = 240;
  int height = 320;
  std::string screenshotPath;
};

// Reads the simulator's options out of args (others are left in place);
// nullopt for a malformed value.
std::optional<SimulatorOptions> ParseSimulatorOptions(std::vector<std::string>& args);

// Runs app (typically a modal dialog) on this thread; returns 0, or 1 when
// the window could not open or the screenshot could not be saved.
int RunSimulator(const SimulatorOptions& options, const std::function<void(Ui& ui)>& app);

}  // namespace tarvo::ui
