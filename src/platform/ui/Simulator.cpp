#include "platform/ui/Simulator.h"

#include <cstdio>
#include <memory>

#include "platform/ui/ImageCodec.h"
#include "platform/ui/SdlDisplay.h"

namespace tarvo::ui {
namespace {

// Turns of the loop the screen is given to settle before the screenshot.
constexpr int kSettleTurns = 3;

bool ParseInt(const std::string& text, int low, int high, int& out) {
  if (text.empty() || text.size() > 5) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return false;
  out = value;
  return true;
}

void ShootWhenSettled(Ui& ui, std::string path, int turnsLeft, bool& saved) {
  if (turnsLeft > 0) {
    ui.PostTask([&ui, path, turnsLeft, &saved] { ShootWhenSettled(ui, path, turnsLeft - 1, saved); });
    return;
  }
  ui.InvalidateScreen();
  saved = SavePng(ui.RenderScreen(), path);
  std::fprintf(stderr, "screenshot %s: %s\n", path.c_str(), saved ? "saved" : "failed");
  ui.Quit();
}

}  // namespace

std::optional<SimulatorOptions> ParseSimulatorOptions(std::vector<std::string>& args) {
  SimulatorOptions options;
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool hasValue = i + 1 < args.size();
    if (arg == "--headless") {
      options.headless = true;
    } else if (arg == "--zoom") {
      if (!hasValue || !ParseInt(args[++i], 1, 8, options.zoom)) return std::nullopt;
    } else if (arg == "--screenshot") {
      if (!hasValue || args[i + 1].empty()) return std::nullopt;
      options.screenshotPath = args[++i];
    } else if (arg == "--size") {
      if (!hasValue) return std::nullopt;
      const std::string& size = args[++i];
      size_t x = size.find('x');
      if (x == std::string::npos || !ParseInt(size.substr(0, x), 1, 4096, options.width) ||
          !ParseInt(size.substr(x + 1), 1, 4096, options.height))
        return std::nullopt;
    } else {
      rest.push_back(arg);
    }
  }
  args = rest;
  return options;
}

int RunSimulator(const SimulatorOptions& options, const std::function<void(Ui& ui)>& app) {
  UiOptions uiOptions;
  uiOptions.width = options.width;
  uiOptions.height = options.height;
  uiOptions.answerMessageBoxes = options.headless;
  Ui ui(uiOptions);
  std::unique_ptr<SdlDisplay> display;
  if (!options.headless) {
    display = SdlDisplay::Open(options.width, options.height, options.zoom, "Tarvo");
    if (display == nullptr) {
      std::fprintf(stderr, "the window could not open; use --headless\n");
      return 1;
    }
    ui.SetDisplay(display.get());
  }
  bool saved = false;
  bool finished = false;
  ui.PostTask([&] {
    app(ui);
    finished = true;
    ui.Quit();
  });
  if (!options.screenshotPath.empty()) ShootWhenSettled(ui, options.screenshotPath, kSettleTurns, saved);
  ui.RunUntil([&] { return finished; });
  ui.SetDisplay(nullptr);
  if (!options.screenshotPath.empty() && !saved) return 1;
  return 0;
}

}  // namespace tarvo::ui
